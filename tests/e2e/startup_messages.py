# SPDX-License-Identifier: GPL-3.0-or-later
# Prints "listening", then each startup-notification message sent to the X
# root window, until a "remove:" one. Needs python3-xlib.
from Xlib import X, display

screen = display.Display()
screen.screen().root.change_attributes(event_mask=X.PropertyChangeMask)
first = screen.intern_atom("_NET_STARTUP_INFO_BEGIN")
more = screen.intern_atom("_NET_STARTUP_INFO")
screen.sync()
print("listening", flush=True)
parts, message = b"", ""  # a message comes in 20-byte parts up to a NUL byte
while not message.startswith("remove:"):
    event = screen.next_event()
    if event.type == X.ClientMessage and event.client_type in (first, more):
        parts = (b"" if event.client_type == first else parts) + bytes(event.data[1])
        if b"\0" in parts:
            message = parts.split(b"\0")[0].decode()
            print(message, flush=True)
