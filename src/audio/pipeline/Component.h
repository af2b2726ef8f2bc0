#pragma once
#include <QString>
#include <vector>

enum class TOperation { opInsert, opRemove };

// A part of the pipeline with an owner, told when a component it refers to is destroyed.
class TComponent {
 public:
  explicit TComponent(TComponent* owner = nullptr);
  virtual ~TComponent();
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return Owner_; }
  // `other` will be told when this component is destroyed.
  void FreeNotification(TComponent* other);
  void RemoveFreeNotification(TComponent* other);

  QString Name;

 protected:
  virtual void Notification(TComponent* component, TOperation operation);
  // Tells the listeners now that this component is going. A descendant whose
  // parts a listener may be using (a worker reading it) calls it first in its
  // destructor, before those parts are freed.
  void AnnounceRemoval();

 private:
  TComponent* Owner_;
  std::vector<TComponent*> Owned_;
  std::vector<TComponent*> Notified_;
};
