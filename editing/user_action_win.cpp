#include "editing/user_action_win.h"

#include "editing/edit_session_win.h"
#include "process/app_state_win.h"

namespace tessel {

bool BeginUserAction(const ActionPrep& prep) {
    SealListStep();
    if (prep.commitRename) {
        EndEdit(EditOwner::CategoryName, EditEnd::Keep);
    }
    switch (prep.itemEdit) {
        case ItemEditPrep::None:
            return true;
        case ItemEditPrep::Commit:
            EndEdit(EditOwner::Item, EditEnd::Keep);
            return true;
        case ItemEditPrep::Discard:
            EndEdit(EditOwner::Item, EditEnd::Drop);
            return true;
        case ItemEditPrep::Refuse:
            return OpenEditOwner() != EditOwner::Item;
    }
    return true;
}

}  // namespace tessel
