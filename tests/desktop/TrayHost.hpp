#pragma once

namespace velora::testsupport {

// The tray host on the tests' X server; each answers whether the tray is then there or gone.
bool startTrayHost();
bool stopTrayHost();

} // namespace velora::testsupport
