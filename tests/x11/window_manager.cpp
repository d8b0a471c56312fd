// The least of a window manager, for the fullscreen test (Xvfb has none, and
// SDL asks the window manager for fullscreen): it maps windows, lets them
// size themselves, and honours _NET_WM_STATE_FULLSCREEN requests, filling the
// screen and putting the window back where it was. Ends with the X server.
//
//   window_manager

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <map>

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return 1;
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureRedirectMask | SubstructureNotifyMask);
  Atom state = XInternAtom(display, "_NET_WM_STATE", False);
  Atom fullscreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
  Atom supported[] = {state, fullscreen};
  XChangeProperty(display, root, XInternAtom(display, "_NET_SUPPORTED", False), XA_ATOM, 32,
                  PropModeReplace, reinterpret_cast<unsigned char*>(supported), 2);
  const int screen = DefaultScreen(display);
  std::map<Window, XWindowAttributes> windowed;
  for (XEvent event; XNextEvent(display, &event) == 0;) {
    if (event.type == MapRequest) {
      XMapWindow(display, event.xmaprequest.window);
      XSetInputFocus(display, event.xmaprequest.window, RevertToPointerRoot, CurrentTime);
    } else if (event.type == ConfigureRequest) {
      const XConfigureRequestEvent& request = event.xconfigurerequest;
      XWindowChanges changes{
          request.x,     request.y,     request.width, request.height, request.border_width,
          request.above, request.detail};
      // The request's mask holds only the window's own bits, which fit Xlib's unsigned int.
      XConfigureWindow(display, request.window, static_cast<unsigned>(request.value_mask),
                       &changes);
    } else if (event.type == ClientMessage && event.xclient.message_type == state) {
      const XClientMessageEvent& message = event.xclient;
      if (static_cast<Atom>(message.data.l[1]) != fullscreen &&
          static_cast<Atom>(message.data.l[2]) != fullscreen) {
        continue;
      }
      const Window window = message.window;
      const bool full = windowed.count(window) > 0;
      const long action = message.data.l[0];  // 0 remove, 1 add, 2 toggle
      if (!full && (action == 1 || action == 2)) {
        XGetWindowAttributes(display, window, &windowed[window]);
        XMoveResizeWindow(display, window, 0, 0, DisplayWidth(display, screen),
                          DisplayHeight(display, screen));
        XChangeProperty(display, window, state, XA_ATOM, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&fullscreen), 1);
      } else if (full && (action == 0 || action == 2)) {
        const XWindowAttributes& was = windowed[window];
        XMoveResizeWindow(display, window, was.x, was.y, was.width, was.height);
        XChangeProperty(display, window, state, XA_ATOM, 32, PropModeReplace, nullptr, 0);
        windowed.erase(window);
      }
    }
  }
  return 0;
}
