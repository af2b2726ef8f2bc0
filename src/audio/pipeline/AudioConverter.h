#pragma once
#include <atomic>
#include <mutex>

#include "AudioInput.h"

// A source that draws from another input: a filter stage.
class TAudioConverter : public TAudioInput {
 public:
  using TAudioInput::TAudioInput;

  // Held by a scoped guard around each read from the input below and each
  // exchange of it (see InputExchange.h).
  std::mutex InputLock;
  TAudioInput* Input() const { return Input_.load(); }
  virtual void SetInput(TAudioInput* value);

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::atomic<TAudioInput*> Input_{nullptr};
};
