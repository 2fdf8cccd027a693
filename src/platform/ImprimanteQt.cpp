#include "platform/ImprimanteQt.h"

#include "documents/Fichiers.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>

#include <cmath>

namespace tavelune {

namespace {

constexpr int PngDpi = 150;

QPageLayout::Orientation VersQt(Orientation o) {
    return o == Orientation::Paysage ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int MmEnPixels(double mm, int dpi) {
    return static_cast<int>(std::lround(mm * dpi / 25.4));
}

} // namespace

ImprimantePagee::ImprimantePagee(QPagedPaintDevice& peripherique) : peripherique_(peripherique) {}

void ImprimantePagee::DefinirOrientation(Orientation o) {
    peripherique_.setPageOrientation(VersQt(o));
}

bool ImprimantePagee::DebutDocument() {
    if (!painter_.begin(&peripherique_))
        return false;
    canevas_.emplace(painter_);
    return true;
}

void ImprimantePagee::NouvellePage() {
    peripherique_.newPage();
}

bool ImprimantePagee::FinDocument() {
    canevas_.reset();
    return painter_.end();
}

int32_t ImprimantePagee::LargeurPage() const {
    return peripherique_.width();
}

int32_t ImprimantePagee::HauteurPage() const {
    return peripherique_.height();
}

Canvas& ImprimantePagee::Canevas() {
    return *canevas_;
}

ImprimantePdf::ImprimantePdf(std::filesystem::path chemin)
    : ImprimantePagee(Pdf), chemin_(std::move(chemin)) {
    Tampon.open(QIODevice::WriteOnly);
    Pdf.setPageSize(QPageSize(QPageSize::A4));
    Pdf.setPageMargins(QMarginsF(MargeSortieMm, MargeSortieMm, MargeSortieMm, MargeSortieMm),
                       QPageLayout::Millimeter);
    Pdf.setCreator("Tavelune");
}

bool ImprimantePdf::FinDocument() {
    if (!ImprimantePagee::FinDocument()) {
        erreur_ = "the PDF could not be produced";
        return false;
    }
    const QByteArray& octets = Tampon.data();
    erreur_ = EcrireFichier(chemin_, std::string_view(octets.constData(), octets.size()));
    return erreur_.empty();
}

ImprimantePng::ImprimantePng(std::filesystem::path base) : base_(std::move(base)) {}

void ImprimantePng::DefinirOrientation(Orientation o) {
    orientation_ = o;
}

bool ImprimantePng::DebutDocument() {
    page_ = 0;
    erreur_.clear();
    CommencerPage();
    return painter_.isActive();
}

void ImprimantePng::CommencerPage() {
    const QSize a4 = QPageSize(QPageSize::A4).sizePixels(PngDpi);
    image_ =
        QImage(orientation_ == Orientation::Paysage ? a4.transposed() : a4, QImage::Format_RGB32);
    const int pointsParMetre = static_cast<int>(std::lround(PngDpi / 0.0254));
    image_.setDotsPerMeterX(pointsParMetre);
    image_.setDotsPerMeterY(pointsParMetre);
    image_.fill(Qt::white);
    ++page_;
    painter_.begin(&image_);
    const int marge = MmEnPixels(MargeSortieMm, PngDpi);
    if (canevas_)
        canevas_->Attacher(painter_);
    else
        canevas_.emplace(painter_, QPointF(marge, marge));
}

void ImprimantePng::EcrirePage() {
    painter_.end();
    QBuffer tampon;
    tampon.open(QIODevice::WriteOnly);
    if (!image_.save(&tampon, "PNG")) {
        erreur_ = "the PNG image could not be encoded";
        return;
    }
    std::filesystem::path chemin = base_;
    chemin += "-" + std::to_string(page_) + ".png";
    const std::string raison =
        EcrireFichier(chemin, std::string_view(tampon.data().constData(), tampon.data().size()));
    if (erreur_.empty())
        erreur_ = raison;
}

void ImprimantePng::NouvellePage() {
    EcrirePage();
    CommencerPage();
}

bool ImprimantePng::FinDocument() {
    EcrirePage();
    canevas_.reset();
    return erreur_.empty();
}

int32_t ImprimantePng::LargeurPage() const {
    return image_.width() - 2 * MmEnPixels(MargeSortieMm, PngDpi);
}

int32_t ImprimantePng::HauteurPage() const {
    return image_.height() - 2 * MmEnPixels(MargeSortieMm, PngDpi);
}

Canvas& ImprimantePng::Canevas() {
    return *canevas_;
}

} // namespace tavelune
