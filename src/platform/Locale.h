// The regional decimal separator, read once by the front end and handed to the core.
#pragma once

namespace tavelune {

// The default locale's separator (the system's unless a test forced another);
// ',' when it is not a single ASCII character.
char SeparateurDecimal();

} // namespace tavelune
