// NOT YET BUILT; see category_commands.h.
#include "mainwindow/category_commands.h"

namespace tessel {

int NewCategory() {
    return 0;
}
int BeginCategoryRename(int) {
    return 0;
}
int EndCategoryRename(int) {
    return 1;
}
int DeleteCategory(int) {
    return 0;
}
int SelectCategory(int) {
    return 0;
}
int MoveCategory(CategoryDirection) {
    return 0;
}
void ReleaseCategoryRenameFont() {}

}  // namespace tessel
