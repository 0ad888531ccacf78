// Catalogue rows. The long texts live in their own headers so that the
// prose can be edited apart from the short fields. Plain ASCII only.
#pragma once

#include "catalogue_famous.h"
#include "catalogue_signs_text.h"
#include "catalogue_tones_text.h"

namespace tzk {

inline constexpr std::array<SignRow, kSignCount> kSignRows{{
    {"BATZ - (CHUEN)", "Monkey", "Witty and demonstrative", "Aventurine", "Manifestation", kFamousPersons[0], kSignDescriptions[0]},
    {"E - (EB)", "Road", "Careful and useful", "Malachite", "Resolution", kFamousPersons[1], kSignDescriptions[1]},
    {"AJ - (BEN)", "Reed", "Crusading and wise", "Turquoise ", "Understanding", kFamousPersons[2], kSignDescriptions[2]},
    {"ISH - (IX)", "Jaguar", "Introvert and intelligent", "Moonstone", "Ascension", kFamousPersons[3], kSignDescriptions[3]},
    {"TZIKIN - (MEN)", "Eagle", "Free and independent", "Unakite ", "Unity", kFamousPersons[4], kSignDescriptions[4]},
    {"AJMAK - (CIB)", "Wisdom", "Knowledgeable and authoritative", "Smokey Quartz", "Duality", kFamousPersons[5], kSignDescriptions[5]},
    {"NOJ - (CABAN)", "Earth", "Practical and intellectual", "Agate", "Action", kFamousPersons[6], kSignDescriptions[6]},
    {"TIJASH - (ETZNAB)", "Flint", "Romantic and self sufficient", "Rhodonite", "Stability", kFamousPersons[7], kSignDescriptions[7]},
    {"KAWOK - (CAUAC)", "Storm", "Healing and helpful", "Jade", "Empowerment", kFamousPersons[8], kSignDescriptions[8]},
    {"AJPU - (AHUA)", "Sun", "Affectionate and creative", "Rose Quartz", "Flow", kFamousPersons[9], kSignDescriptions[9]},
    {"IMOSH - (IMIX)", "Crocodile", "Protective and dominating", "Red Jasper", "Unity", kFamousPersons[10], kSignDescriptions[10]},
    {"IK - (IK)", "Wind", "Clever, lively, and multifaceted", "Sodalite", "Justice", kFamousPersons[11], kSignDescriptions[11]},
    {"AKABAL - (AKBAL)", "Night", "Conservative and thoughtful", "Snowflake Obsidian", "Patience", kFamousPersons[12], kSignDescriptions[12]},
    {"KAT - (KAN)", "Seed", "Sexual, dynamic and energetic", "Dumortierite", "Manifestation", kFamousPersons[13], kSignDescriptions[13]},
    {"KAN - (CHICCHAN)", "Serpent", "Forceful, powerful and charismatic", "Amethyst", "Resolution", kFamousPersons[14], kSignDescriptions[14]},
    {"KAME - (CIMI)", "Transformer", "Helpful and sacrificing", "Carnelian", "Understanding", kFamousPersons[15], kSignDescriptions[15]},
    {"KIEJ - (MANIK)", "Deer", "Nomadic and cooperative", "Amazonite", "Ascension", kFamousPersons[16], kSignDescriptions[16]},
    {"KANIL - (LAMAT)", "Star", "Witty and jolly", "Hematite", "Unity", kFamousPersons[17], kSignDescriptions[17]},
    {"TOJ - (MULUK)", "Offering", "Emotional and imaginative", "Lapis Lazuli", "Duality", kFamousPersons[18], kSignDescriptions[18]},
    {"TZI - (OC)", "Dog", "Helpful and loyal", "Bloodstone", "Patience", kFamousPersons[19], kSignDescriptions[19]},
}};

inline constexpr std::array<ToneRow, kToneCount> kToneRows{{
    {"01-Magnetic", kToneDescriptions[0]},
    {"02-Lunar", kToneDescriptions[1]},
    {"03-Electric", kToneDescriptions[2]},
    {"04-Self-Existing", kToneDescriptions[3]},
    {"05-Overtone", kToneDescriptions[4]},
    {"06-Rhythmic", kToneDescriptions[5]},
    {"07-Resonant", kToneDescriptions[6]},
    {"08-Galactic", kToneDescriptions[7]},
    {"09-Solar", kToneDescriptions[8]},
    {"10-Planetary", kToneDescriptions[9]},
    {"11-Spectral", kToneDescriptions[10]},
    {"12-Crystal", kToneDescriptions[11]},
    {"13-Cosmic", kToneDescriptions[12]},
}};

} // namespace tzk
