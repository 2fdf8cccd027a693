// The help viewer: the contents page, a topic by number (F1 in every window), and
// closing when the program ends.
#pragma once

#include <memory>

#include <QUrl>

namespace tavelune {

class Aide {
public:
    virtual ~Aide() = default;
    virtual void AfficherSommaire() = 0;
    virtual void AfficherRubrique(int rubrique) = 0;
    virtual void Fermer() = 0;
};

class FenetreAide;

// A window of ours, not modal, showing the help pages kept in the program's
// resources: topic N is the page "sujet-N.html" beside the contents page, at
// its anchor N; without such a page, the anchor N of the contents page.
class AideQt final : public Aide {
public:
    explicit AideQt(QUrl sommaire = QUrl(QStringLiteral("qrc:/aide/index.html")));
    ~AideQt() override;

    void AfficherSommaire() override;
    void AfficherRubrique(int rubrique) override;
    void Fermer() override;

    // The window once shown, else null; for tests.
    FenetreAide* Fenetre() const { return fenetre.get(); }

private:
    void Afficher(const QUrl& page);

    QUrl sommaire;
    std::unique_ptr<FenetreAide> fenetre;
};

} // namespace tavelune
