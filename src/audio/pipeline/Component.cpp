#include "Component.h"

#include <algorithm>

TComponent::TComponent(TComponent* owner) : Owner_(owner) {
  if (Owner_) Owner_->Owned_.push_back(this);
}

TComponent::~TComponent() {
  // Owned components go first, so they never outlive what they belong to.
  while (!Owned_.empty()) delete Owned_.back();
  AnnounceRemoval();
  if (Owner_) std::erase(Owner_->Owned_, this);
}

void TComponent::AnnounceRemoval() {
  const auto notified = Notified_;
  for (TComponent* c : notified) {
    c->Notification(this, TOperation::opRemove);
    c->RemoveFreeNotification(this);
  }
}

void TComponent::FreeNotification(TComponent* other) {
  if (!other || other == this) return;
  if (std::find(Notified_.begin(), Notified_.end(), other) == Notified_.end()) Notified_.push_back(other);
  if (std::find(other->Notified_.begin(), other->Notified_.end(), this) == other->Notified_.end())
    other->Notified_.push_back(this);  // so a destroyed listener unsubscribes itself
}

void TComponent::RemoveFreeNotification(TComponent* other) {
  std::erase(Notified_, other);
  if (other) std::erase(other->Notified_, this);
}

void TComponent::Notification(TComponent*, TOperation) {}
