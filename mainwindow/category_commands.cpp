// NOT YET BUILT; see category_commands.h.
#include "mainwindow/category_commands.h"

namespace tessel {

int EndCategoryRename(int) {
    return 0;
}
void ReleaseCategoryRenameFont() {}

}  // namespace tessel
