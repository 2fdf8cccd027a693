// tavelune-cli: the batch front end. Dispatches on its first argument.
#include "cli/Commandes.h"

#include <exception>
#include <iostream>
#include <string_view>

using namespace tavelune;

namespace {

struct Commande {
    std::string_view nom;
    std::string_view usage;
    int (*executer)(const Arguments&, std::ostream&, std::ostream&);
};

constexpr Commande Commandes[] = {
    {"plan", UsagePlan, CommandePlan},
    {"import", UsageImport, CommandeImport},
    {"export", UsageExport, CommandeExport},
    {"render", UsageRendu, CommandeRendu},
};

int Usage() {
    std::cerr << "usage:";
    for (const auto& c : Commandes)
        std::cerr << " tavelune-cli " << c.usage << (&c == std::end(Commandes) - 1 ? "" : " |");
    std::cerr << '\n';
    return SortieErreur;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return Usage();
    const std::string_view nom = argv[1];
    for (const auto& c : Commandes) {
        if (c.nom != nom)
            continue;
        try {
            return c.executer(Arguments(argv + 2, argv + argc), std::cout, std::cerr);
        } catch (const std::exception& e) { // memory exhausted by a huge job, say
            std::cerr << "tavelune-cli: " << e.what() << '\n';
            return 1;
        }
    }
    return Usage();
}
