#include "TrayWatch.h"

#include <QGuiApplication>
#include <memory>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

TTrayWatch::TTrayWatch(QObject* parent) : QObject(parent) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return;
  xcb_connection_t* c = x11->connection();
  const xcb_query_extension_reply_t* xfixes = xcb_get_extension_data(c, &xcb_xfixes_id);
  if (!xfixes || !xfixes->present) return;
  std::unique_ptr<xcb_xfixes_query_version_reply_t, decltype(&free)> version(
      xcb_xfixes_query_version_reply(c, xcb_xfixes_query_version(c, 1, 0), nullptr), &free);
  if (!version) return;
  // The tray of the first screen: the one X servers of today have.
  static const char name[] = "_NET_SYSTEM_TRAY_S0";
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&free)> atom(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof name - 1, name), nullptr), &free);
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  if (!atom || !screen) return;
  Connection_ = c;
  Selection_ = atom->atom;
  NotifyEvent_ = xfixes->first_event + XCB_XFIXES_SELECTION_NOTIFY;
  xcb_xfixes_select_selection_input(c, screen->root, Selection_,
                                    XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                        XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                        XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
  xcb_flush(c);
  qGuiApp->installNativeEventFilter(this);
}

TTrayWatch::~TTrayWatch() {
  if (Connection_ && qGuiApp) qGuiApp->removeNativeEventFilter(this);
}

bool TTrayWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != NotifyEvent_) return false;
  const auto* notify = reinterpret_cast<const xcb_xfixes_selection_notify_event_t*>(event);
  if (notify->selection == Selection_) emit Changed(notify->owner != XCB_NONE);
  return false;  // Qt's own tray icon follows the tray too
}
