/* Asks a window to close the way a window manager's close box does: a WM_DELETE_WINDOW message. */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char **argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: xclose WINDOW-ID\n");
        return 2;
    }
    Display *dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "xclose: cannot open display\n");
        return 1;
    }
    Window w = (Window)strtoul(argv[1], NULL, 0);
    XEvent e;
    memset(&e, 0, sizeof(e));
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = (long)XInternAtom(dpy, "WM_DELETE_WINDOW", False);
    e.xclient.data.l[1] = CurrentTime;
    Status ok = XSendEvent(dpy, w, False, NoEventMask, &e);
    XSync(dpy, False);
    XCloseDisplay(dpy);
    return ok ? 0 : 1;
}
