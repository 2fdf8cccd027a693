// The commands of tavelune-cli, one file each. A command gets the arguments that
// follow its name, writes its result to `sortie` and its one-line complaint to
// `erreurs`, and returns the exit status.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tavelune {

inline constexpr int SortieReussie = 0;
inline constexpr int SortieErreur = 2; // bad arguments, or an input that cannot be read

using Arguments = std::vector<std::string>;

// The commands that compute a plan take the optimisation choice of the settings
// file, or the one their --mode and --budget give.

// Reads the job, optimises it and prints the plan, for a person or as JSON.
inline constexpr std::string_view UsagePlan =
    "plan JOB.deb [--json] [--mode standard|qualite] [--budget SECONDS]";
int CommandePlan(const Arguments& arguments, std::ostream& sortie, std::ostream& erreurs);

// Starts a job from a piece list, as the desktop import followed by the
// modification confirmed with nothing ticked, and writes it.
inline constexpr std::string_view UsageImport =
    "import LIST.txt|LIST.csv -o JOB.deb [--unit mm|cm|pouce|m] [--no-header] "
    "[--mode standard|qualite] [--budget SECONDS]";
int CommandeImport(const Arguments& arguments, std::ostream& sortie, std::ostream& erreurs);

// Writes the job's piece list as text (txt, csv) or SYLK (slk).
inline constexpr std::string_view UsageExport = "export JOB.deb OUT.txt|OUT.csv|OUT.slk";
int CommandeExport(const Arguments& arguments, std::ostream& sortie, std::ostream& erreurs);

// Writes what printing a view prints: one PDF page per printed page, or one PNG
// image per page (OUT-1.png, OUT-2.png, ...).
inline constexpr std::string_view UsageRendu =
    "render JOB.deb -o OUT.pdf|OUT.png [--view sheets|pieces|list|recap] [--menu] "
    "[--mode standard|qualite] [--budget SECONDS]";
int CommandeRendu(const Arguments& arguments, std::ostream& sortie, std::ostream& erreurs);

} // namespace tavelune
