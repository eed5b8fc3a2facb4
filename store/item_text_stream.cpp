// Printing an item text to a stream, for test reports. A file of its own, so
// that the program, which never prints to a stream, links none of the
// stream and locale machinery.
#include <ostream>

#include "store/item_text.h"

namespace tessel {

std::ostream& operator<<(std::ostream& out, const ItemText& text) {
    return out << text.view();
}

}  // namespace tessel
