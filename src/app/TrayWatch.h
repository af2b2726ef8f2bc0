#pragma once
#include <QAbstractNativeEventFilter>
#include <QObject>
#include <cstdint>

struct xcb_connection_t;

// Tells when the desktop's system tray goes away or comes back: the owner of the
// tray's selection on the X server changes. Does nothing on other platforms.
class TTrayWatch : public QObject, public QAbstractNativeEventFilter {
  Q_OBJECT
 public:
  explicit TTrayWatch(QObject* parent = nullptr);
  ~TTrayWatch() override;
  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 signals:
  void Changed(bool available);

 private:
  xcb_connection_t* Connection_ = nullptr;
  std::uint32_t Selection_ = 0;
  std::uint8_t NotifyEvent_ = 0;
};
