#include "strings/Texte.h"
#include "strings/Nombres.h"

#include <gtest/gtest.h>

using namespace tavelune;

TEST(TexteCote, ArronditAuCentiemeLoinDeZero) {
    struct Cas {
        double x;
        const char* attendu;
    };
    const Cas cas[] = {{1250, "1250"},    {12.5, "12,5"}, {3.14159, "3,14"},   {0.125, "0,13"},
                       {-0.125, "-0,13"}, {0, "0"},       {-0.001, "0"},       {250.5, "250,5"},
                       {25.05, "25,05"},  {1.999, "2"},   {10.00000015, "10"}, {0.005, "0,01"}};
    for (const auto& c : cas)
        EXPECT_EQ(TexteCote(c.x, ','), c.attendu) << c.x;
    EXPECT_EQ(TexteCote(12.5, '.'), "12.5");
}

TEST(Nombres, LectureAvecLeSeparateurRegional) {
    EXPECT_EQ(LireReel("12,37", ','), 12.37);
    EXPECT_EQ(LireReel(" 6000 ", ','), 6000.0);
    EXPECT_EQ(LireReel("-1,5", ','), -1.5);
    EXPECT_EQ(LireReel("2.5", '.'), 2.5);
    for (const char* refuse : {"2.5", "", ",", "abc", "1,2,3", "inf", "nan", "1e", "12a"})
        EXPECT_FALSE(LireReel(refuse, ',').has_value()) << refuse;
    EXPECT_EQ(LireEntier("42"), 42);
    EXPECT_EQ(LireEntier("-3"), -3);
    for (const char* refuse : {"2,5", "", "abc", "99999999999", "1 2"})
        EXPECT_FALSE(LireEntier(refuse).has_value()) << refuse;
}

TEST(Cp1252, AllerRetourDesCaracteresDuCodePage) {
    std::string tous;
    for (int o = 1; o < 256; ++o)
        tous += static_cast<char>(o);
    EXPECT_EQ(VersCp1252(DepuisCp1252(tous)), tous);
    EXPECT_EQ(DepuisCp1252("\x80\xe9"), "€é");
    EXPECT_EQ(VersCp1252("Armé €"), "Arm\xe9 \x80");
    EXPECT_EQ(VersCp1252("日本"), "??");
    EXPECT_EQ(VersCp1252("\xff\xfe"), "??");
}

TEST(Texte, CaracteresEtMinuscules) {
    EXPECT_EQ(NombreCaracteres("Désignation"), 11u);
    EXPECT_EQ(PremiersCaracteres("Référence", 3), "Réf");
    EXPECT_EQ(Minuscules("Plaques de Verre ÉŒŸ"), "plaques de verre éœÿ");
    EXPECT_TRUE(EstUtf8Valide("é"));
    EXPECT_FALSE(EstUtf8Valide("\xe9"));
}

TEST(Texte, LettresDesPieces) {
    const std::pair<int32_t, const char*> cas[] = {{0, "a"},    {25, "z"}, {26, "aa"}, {27, "ab"},
                                                   {701, "zz"}, {702, ""}, {-1, ""}};
    for (const auto& [numero, lettres] : cas)
        EXPECT_EQ(LettresPiece(numero), lettres) << numero;
}
