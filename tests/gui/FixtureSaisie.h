// Base of the tests of the sheet and piece entry dialogs: the dialog with its
// dimension manager, the job and the lists it edits, shown through the script.
#pragma once

#include "FixturePlateforme.h"

#include "dialogs/TGestDimensions.h"

#include <functional>
#include <string>
#include <vector>

namespace tavelune {

template <class D> class TestSaisie : public TestPlateforme {
protected:
    // Gives the dialog the inputs both entry dialogs take and prepares it, as
    // the wizard does; the test's fixture has given the lists of its own.
    void PreparerSaisie(int32_t type, bool modification) {
        d.TypeDebit = type;
        d.MargesJob = debit.MargesJob;
        d.Essences = &essences;
        d.UniteJob = reglages.UniteJob;
        d.Options = reglages.Options;
        d.ModeModification = modification;
        d.Preparer();
    }
    int Montrer(std::function<void(D&)> script) {
        Scripter<D>(std::move(script));
        return plateforme.Modal.Executer(d);
    }

    Reglages reglages = ReglagesDeDepart();
    TGestDimensions gest{plateforme, reglages};
    D d{plateforme, reglages, gest};
    Debit debit;
    std::vector<std::string> essences{"Clair", "Float"};
    std::vector<DIMENSIONS> dimensions;
};

} // namespace tavelune
