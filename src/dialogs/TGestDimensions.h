// The dimension manager: keeps the usual sheet or piece dimensions. In
// management mode (menu) the user adds and deletes them; in selection mode (a
// right-click in an entry dialog's length, width or thickness box) the user
// picks one, or types a new one, which joins the list.
#pragma once

#include "model/Modele.h"
#include "model/Reglages.h"
#include "platform/Plateforme.h"
#include "strings/TableTextes.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <cstddef>
#include <optional>
#include <vector>

namespace tavelune {

class TGestDimensions : public QDialog {
public:
    // The unit and the maximum sheet sizes are read from the settings at each showing.
    TGestDimensions(Plateforme& plateforme, const Reglages& reglages, QWidget* parent = nullptr);

    // Management from the main window, placed 14 pixels below its top: the list
    // and the job type. True when the list was changed (its write mark).
    bool Gerer(const QWidget& principale, std::vector<DIMENSIONS>& liste, int32_t typeDebit);

    // Selection from an entry dialog, placed on it: the dimension list, the job
    // type, the sheets entered (piece dialog only: offers only their thicknesses)
    // and the values already typed (0 for an empty box). The chosen dimension,
    // if any; Modifie then says whether the list was changed.
    std::optional<DIMENSIONS> Selectionner(const QWidget& appelant, std::vector<DIMENSIONS>& liste,
                                           int32_t typeDebit,
                                           const std::vector<Panneau_p>* panneauxSaisis,
                                           const DIMENSIONS& donnee);

    // Inputs (Gerer and Selectionner set them).
    std::vector<DIMENSIONS>* Dimensions = nullptr;
    const std::vector<Panneau_p>* PanneauxSaisis = nullptr;
    int32_t TypeDebit = DebitSimple;
    bool ModeSelection = false;
    // Selection mode: given values on entry, chosen values on return (whole mm).
    int32_t Longueur = 0;
    int32_t Largeur = 0;
    int32_t Epaisseur = 0;
    // Results.
    bool Choisi = false;
    bool Modifie = false;

    QLabel LblLongueur;
    QLineEdit EdtLongueur;
    QLabel LblLargeur;
    QLineEdit EdtLargeur;
    QLabel LblEpaisseur;
    QLineEdit EdtEpaisseur;
    QListWidget LbDimensions;
    QPushButton BtnAjouter;
    QPushButton BtnSupprimer;
    QPushButton BtnOK;

    void FormActivate();
    void EdtLongueurExit();
    void EdtLargeurExit();
    void EdtEpaisseurExit();
    void EdtChange(const QString& texte);
    void LbDimensionsClick();
    void BtnAjouterClick();
    void BtnSupprimerClick();
    void BtnOKClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    struct Saisie {
        QLineEdit& Edit;
        float& Courante;
        bool& Marque;
    };
    void ControlerSaisie(const Saisie& saisie, float maximum, int32_t idMessage);
    bool Affichee(const DIMENSIONS& d) const;
    QString Ligne(const DIMENSIONS& d) const;
    void Surligner();
    bool DimensionsSaisies() const;
    void RetirerEntree(std::size_t index);

    Plateforme& plateforme;
    const Reglages& reglages;
    Textes textes;
    int32_t typeAffiche = DebitComplexe;
    float longueurCourante = 0;
    float largeurCourante = 0;
    float epaisseurCourante = 0;
    bool marqueLongueur = false;
    bool marqueLargeur = false;
    bool marqueEpaisseur = false;
    std::vector<std::size_t> lignes; // row -> index in the list
};

} // namespace tavelune
