// Auto-repeat as the X server itself reports it.
#pragma once

namespace korvo::app {

// Asks the X server to send a held key's repeats as further presses of a key
// that is still down, with no release in between, so that repeats are told
// apart by key identity rather than by timing. Returns whether the server
// agreed; false on any other platform.
bool useDetectableAutoRepeat();

}  // namespace korvo::app
