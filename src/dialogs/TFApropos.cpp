#include "dialogs/TFApropos.h"

#include "platform/Conversions.h"
#include "platform/Fenetres.h"
#include "platform/Ressources.h"
#include "strings/TextesFixes.h"

namespace tavelune {

namespace {

const char* const Contact = "Atelier Tavelune, 54000 Nancy\n"
                            "contact@tavelune.example";

} // namespace

TFApropos::TFApropos(const Textes& textes, QWidget* parent)
    : QDialog(parent), ImgIcone(this), LblProduit(QStringLiteral("Tavelune"), this),
      LblVersion("Version " + VersQt(fixes::Version), this), LblContact(VersQt(Contact), this),
      BtnOk(VersQt(textes.Text(36)), this) {
    SansMenuSysteme(*this);
    // The menu caption without its accelerator mark.
    setWindowTitle(VersQt(textes.Text(12)).remove(u'&'));
    setFixedSize(320, 170);
    ImgIcone.setPixmap(IconeFenetre().pixmap(48, 48));
    ImgIcone.setGeometry(16, 16, 48, 48);
    QFont titre = LblProduit.font();
    titre.setPointSize(titre.pointSize() + 6);
    titre.setBold(true);
    LblProduit.setFont(titre);
    LblProduit.setGeometry(80, 16, 220, 30);
    LblVersion.setGeometry(80, 48, 220, 17);
    LblContact.setGeometry(16, 80, 290, 34);
    BtnOk.setGeometry(122, 130, 75, 25);
    connect(&BtnOk, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace tavelune
