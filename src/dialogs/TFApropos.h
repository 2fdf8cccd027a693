// The About box: the product, its version and where to reach its maker.
#pragma once

#include "strings/TableTextes.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace tavelune {

class TFApropos : public QDialog {
public:
    explicit TFApropos(const Textes& textes, QWidget* parent = nullptr);

    QLabel ImgIcone;
    QLabel LblProduit;
    QLabel LblVersion;
    QLabel LblContact;
    QPushButton BtnOk;
};

} // namespace tavelune
