// The platform services handed to the windows: one reference per seam and the
// regional decimal separator. PlateformeQt owns the desktop set; tests use
// PlateformeScriptee.
#pragma once

#include "platform/Aide.h"
#include "platform/DialogueImpression.h"
#include "platform/DialoguesFichiers.h"
#include "platform/ExecuteurModal.h"
#include "platform/Messages.h"
#include "platform/Navigateur.h"
#include "platform/TravailLong.h"

namespace tavelune {

struct Plateforme {
    BoitesMessage& Messages;
    DialoguesFichiers& Fichiers;
    DialogueImpression& Impression;
    ExecuteurModal& Modal;
    Aide& AideEnLigne;
    Navigateur& Web;
    TravailLong& Long;
    char Separateur;
};

class PlateformeQt {
public:
    PlateformeQt();
    PlateformeQt(const PlateformeQt&) = delete;
    PlateformeQt& operator=(const PlateformeQt&) = delete;

    Plateforme& Services() { return services; }

private:
    BoitesMessageQt messages;
    DialoguesFichiersQt fichiers;
    DialogueImpressionQt impression;
    ExecuteurModalQt modal;
    AideQt aide;
    NavigateurQt web;
    TravailLongQt travailLong;
    Plateforme services;
};

} // namespace tavelune
