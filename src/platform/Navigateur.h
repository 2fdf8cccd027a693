// Opens a web address in the desktop's default browser.
#pragma once

#include <string>

namespace tavelune {

class Navigateur {
public:
    virtual ~Navigateur() = default;
    // False when no browser could be started; the caller tells the user.
    virtual bool Ouvrir(const std::string& adresse) = 0;
};

class NavigateurQt final : public Navigateur {
public:
    bool Ouvrir(const std::string& adresse) override;
};

} // namespace tavelune
