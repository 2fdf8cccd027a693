// The program's string table: every caption and message, by identifier. A
// lookup adds the language base read from Langue.dat; the table holds the
// French texts only, so the base is 0 in practice.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavelune {

inline constexpr int32_t PremierIdentifiantTexte = 0;
inline constexpr int32_t DernierIdentifiantTexte = 212;

// The text stored under id (UTF-8); empty when the table has no text there,
// whatever the id.
std::string_view TexteDeLaTable(int32_t id);

// The table as seen through one language base.
class Textes {
public:
    constexpr Textes() = default;
    constexpr explicit Textes(int32_t base) : base_(base) {}

    constexpr int32_t Base() const { return base_; }

    // The text of id + base; empty when the sum has no text or leaves the
    // 32-bit range.
    std::string Text(int32_t id) const;

private:
    int32_t base_ = 0;
};

} // namespace tavelune
