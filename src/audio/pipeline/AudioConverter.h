#pragma once
#include <atomic>

#include "AudioInput.h"
#include "SpinLock.h"

// A source that draws from another input: a filter stage.
class TAudioConverter : public TAudioInput {
 public:
  using TAudioInput::TAudioInput;

  TSpinLock InputLock;
  TAudioInput* Input() const { return Input_.load(); }
  virtual void SetInput(TAudioInput* value);
  // Releases the input locks of this stage and every stage below it.
  void UnlockChain();

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  std::atomic<TAudioInput*> Input_{nullptr};
};
