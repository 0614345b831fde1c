#pragma once

#include <QString>
#include <optional>

namespace editor {

// The letters a class that speaks `language` says its alphabet with, in
// order: A to Z, with Ñ after N in Spanish, Galician and Basque.
QString alphabetOf(const QString& language);

// How the dots of a list are labelled as they are placed: numbers going up
// by a step, or the letters of an alphabet, one per dot. Either way a dot
// is known by its number: the number itself, or its letter's place in the
// alphabet counted from 1, so that the list's counting carries on alike.
struct DotLabels
{
    int step = 1;    // between the numbers; letters go one by one
    QString letters; // the alphabet when the dots are lettered; empty for numbers

    static DotLabels numbers(int step) { return {step, {}}; }
    static DotLabels lettered(const QString& alphabet) { return {1, alphabet}; }

    // The label of dot `number`. Past the alphabet's last letter the dots
    // go on numbered, as the list would be without letters.
    QString label(int number) const;
    // The number that `label` stands for; nullopt for a label these labels
    // never give (a closing entry's, a word typed in a file).
    std::optional<int> numberOf(const QString& label) const;
};

} // namespace editor
