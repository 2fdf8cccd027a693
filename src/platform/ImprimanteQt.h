// Print outputs for the print runs: a Qt printer, a PDF file, or one PNG image per page.
#pragma once

#include "platform/CanevasQt.h"
#include "view/Canvas.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

class QPagedPaintDevice;

namespace tavelune {

// Margins of the pages we make ourselves (PDF, PNG): the plans add their own 10 mm.
inline constexpr double MargeSortieMm = 5.0;

// Any paged Qt device: a QPrinter as chosen by the user, or a QPdfWriter.
// The canvas exists between DebutDocument and FinDocument.
class ImprimantePagee : public Imprimante {
public:
    explicit ImprimantePagee(QPagedPaintDevice& peripherique);

    void DefinirOrientation(Orientation o) override;
    bool DebutDocument() override;
    void NouvellePage() override;
    bool FinDocument() override;
    int32_t LargeurPage() const override;
    int32_t HauteurPage() const override;
    Canvas& Canevas() override;

private:
    QPagedPaintDevice& peripherique_;
    QPainter painter_;
    std::optional<CanevasQt> canevas_;
};

struct TamponPdf {
    QBuffer Tampon;
    QPdfWriter Pdf{&Tampon};
};

// An A4 PDF file, written whole at the end of the document (temporary file and rename).
class ImprimantePdf : private TamponPdf, public ImprimantePagee {
public:
    explicit ImprimantePdf(std::filesystem::path chemin);

    bool FinDocument() override;
    // Why the file could not be written, after FinDocument returned false.
    const std::string& Erreur() const { return erreur_; }

private:
    std::filesystem::path chemin_;
    std::string erreur_;
};

// A4 pages at 150 dpi as images BASE-1.png, BASE-2.png, ...
class ImprimantePng : public Imprimante {
public:
    explicit ImprimantePng(std::filesystem::path base);

    void DefinirOrientation(Orientation o) override;
    bool DebutDocument() override;
    void NouvellePage() override;
    bool FinDocument() override;
    int32_t LargeurPage() const override;
    int32_t HauteurPage() const override;
    Canvas& Canevas() override;

    const std::string& Erreur() const { return erreur_; }
    int Pages() const { return page_; }

private:
    void CommencerPage();
    void EcrirePage();

    std::filesystem::path base_;
    Orientation orientation_ = Orientation::Portrait;
    QImage image_;
    QPainter painter_;
    std::optional<CanevasQt> canevas_;
    int page_ = 0;
    std::string erreur_;
};

} // namespace tavelune
