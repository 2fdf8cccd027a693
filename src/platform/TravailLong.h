// A computation that may take seconds, run with the program kept alive: a window says
// what is going on and offers to stop it. The work runs on another thread, so it must
// touch nothing the windows show, and it should end soon once `arret` is set. An
// exception it throws reaches the caller.
#pragma once

#include <atomic>
#include <functional>
#include <string>

namespace tavelune {

class TravailLong {
public:
    using Travail = std::function<void(const std::atomic<bool>& arret)>;

    virtual ~TravailLong() = default;
    virtual void Executer(const std::string& texte, const Travail& travail) = 0;
};

class TravailLongQt final : public TravailLong {
public:
    void Executer(const std::string& texte, const Travail& travail) override;
};

} // namespace tavelune
