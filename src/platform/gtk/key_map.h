// Win32 virtual-key codes, which SENDKEYS passes, as X keysyms and back. No X connection here.
#pragma once

namespace platform::gtk {

// The keysym of the key with this virtual-key code; 0 when the code names no key here.
unsigned long keysymForVirtualKey(int virtualKey);

// The virtual-key code of the key whose unshifted keysym this is (the inverse on a US layout's
// keys, letters by their capital); 0 for none.
int virtualKeyForKeysym(unsigned long keysym);

}  // namespace platform::gtk
