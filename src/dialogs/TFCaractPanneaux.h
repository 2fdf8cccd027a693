// The sheet characteristics window: the cutting summary of the open job, one
// block per kind of sheet used, with a one-page print.
#pragma once

#include "model/Modele.h"
#include "strings/TableTextes.h"
#include "view/Reglages.h"

#include <QDialog>

#include <vector>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tavelune {

struct Plateforme;

class TFCaractPanneaux : public QDialog {
public:
    TFCaractPanneaux(Plateforme& plateforme, const Textes& textes, QWidget* parent);

    // The summary to show and the words and units it is written with.
    void Afficher(const std::vector<METRAGE>& metrages, const ReglagesDessin& reglages);

    QScrollBar& Defilement() { return *ScrollBar; }
    QWidget& Surface();

    void ScrollBarScroll(int position);
    void BtnImprimerClick();
    void BtnQuitterClick();

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    class SurfaceRecapitulatif;

    void FormActivate();
    void FormPaint();
    void AjusterSurface();
    void Disposer(int elargissement);

    Plateforme& plateforme;
    Textes textes;
    const std::vector<METRAGE>* metrages = nullptr;
    ReglagesDessin reglages;

    QLabel* Label1;
    QFrame* Panel;
    SurfaceRecapitulatif* Image;
    QScrollBar* ScrollBar;
    QPushButton* BtnImprimer;
    QPushButton* BtnQuitter;
};

} // namespace tavelune
