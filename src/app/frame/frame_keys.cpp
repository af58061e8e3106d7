#include "app/frame/frame_keys.h"

#include "text/char_classes.h"

namespace kestrin::app {

bool startsTypeToSearch(char cp1251) { return text::chars::isAlphanumeric(static_cast<unsigned char>(cp1251)); }

}  // namespace kestrin::app
