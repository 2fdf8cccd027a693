// The print dialog, shown on the printer the caller prepared; true when the user
// confirmed printing.
#pragma once

class QPrinter;

namespace tavelune {

class DialogueImpression {
public:
    virtual ~DialogueImpression() = default;
    virtual bool Afficher(QPrinter& imprimante) = 0;
};

class DialogueImpressionQt final : public DialogueImpression {
public:
    bool Afficher(QPrinter& imprimante) override;
};

} // namespace tavelune
