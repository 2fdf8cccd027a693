// Sheets and pieces built for the tests of both executables: the shape every
// test wants, with Rect, Surface and the free rectangle set as the entry does.
#pragma once

#include "model/Modele.h"
#include "strings/Texte.h"

#include <cstdint>
#include <string>

namespace tavelune::test {

inline TPiece Piece(int32_t longueur, int32_t largeur, int32_t sens = Horizontal, int32_t nb = 1,
                    int32_t numero = 0, int32_t epaisseur = 10, int32_t essence = 0) {
    TPiece p;
    p.Longueur = longueur;
    p.Largeur = largeur;
    p.Sens = sens;
    p.Nb = nb;
    p.Numero = numero;
    p.IndexDesignation = numero;
    p.Epaisseur = epaisseur;
    p.Essence = essence;
    ReinitialiserPiece(p);
    return p;
}

// A sheet model, ready to be a physical sheet (Rect, Surface and one free rectangle).
inline Panneau_p Plaque(int32_t longueur, int32_t largeur, int32_t sens = Horizontal,
                        int32_t nb = 1, int32_t epaisseur = 10, int32_t essence = 0) {
    Panneau_p p;
    p.Longueur = longueur;
    p.Largeur = largeur;
    p.Sens = sens;
    p.Nb = nb;
    p.Epaisseur = epaisseur;
    p.Essence = essence;
    Reinitialiser(p);
    return p;
}

// A 10 mm piece joins the job after the others, with the designation
// `prefixe` and its number, and the reference letters of its number.
inline void AjouterPiece(Debit& d, int32_t longueur, int32_t largeur, const std::string& prefixe) {
    const auto numero = static_cast<int32_t>(d.PiecesSaisies.size());
    d.PiecesSaisies.push_back(Piece(longueur, largeur, Horizontal, 1, numero));
    d.Designations.push_back(prefixe + std::to_string(numero + 1));
    d.References.push_back(LettresPiece(numero));
}

} // namespace tavelune::test
