#include "LexicographerFiles.h"

#include <cstring>

namespace importers {
namespace {

constexpr LexicographerFile kFiles[kLexicographerFileCount] = {
    {"adj.all", "all adjective clusters", 3},
    {"adj.pert", "relational adjectives (pertainyms)", 3},
    {"adv.all", "all adverbs", 4},
    {"noun.Tops", "unique beginner for nouns", 1},
    {"noun.act", "nouns denoting acts or actions", 1},
    {"noun.animal", "nouns denoting animals", 1},
    {"noun.artifact", "nouns denoting man-made objects", 1},
    {"noun.attribute", "nouns denoting attributes of people and objects", 1},
    {"noun.body", "nouns denoting body parts", 1},
    {"noun.cognition", "nouns denoting cognitive processes and contents", 1},
    {"noun.communication", "nouns denoting communicative processes and contents", 1},
    {"noun.event", "nouns denoting natural events", 1},
    {"noun.feeling", "nouns denoting feelings and emotions", 1},
    {"noun.food", "nouns denoting foods and drinks", 1},
    {"noun.group", "nouns denoting groupings of people or objects", 1},
    {"noun.location", "nouns denoting spatial position", 1},
    {"noun.motive", "nouns denoting goals", 1},
    {"noun.object", "nouns denoting natural objects (not man-made)", 1},
    {"noun.person", "nouns denoting people", 1},
    {"noun.phenomenon", "nouns denoting natural phenomena", 1},
    {"noun.plant", "nouns denoting plants", 1},
    {"noun.possession", "nouns denoting possession and transfer of possession", 1},
    {"noun.process", "nouns denoting natural processes", 1},
    {"noun.quantity", "nouns denoting quantities and units of measure", 1},
    {"noun.relation", "nouns denoting relations between people or things or ideas", 1},
    {"noun.shape", "nouns denoting two and three dimensional shapes", 1},
    {"noun.state", "nouns denoting stable states of affairs", 1},
    {"noun.substance", "nouns denoting substances", 1},
    {"noun.time", "nouns denoting time and temporal relations", 1},
    {"verb.body", "verbs of grooming, dressing and bodily care", 2},
    {"verb.change", "verbs of size, temperature change, intensifying, etc.", 2},
    {"verb.cognition", "verbs of thinking, judging, analyzing, doubting", 2},
    {"verb.communication", "verbs of telling, asking, ordering, singing", 2},
    {"verb.competition", "verbs of fighting, athletic activities", 2},
    {"verb.consumption", "verbs of eating and drinking", 2},
    {"verb.contact", "verbs of touching, hitting, tying, digging", 2},
    {"verb.creation", "verbs of sewing, baking, painting, performing", 2},
    {"verb.emotion", "verbs of feeling", 2},
    {"verb.motion", "verbs of walking, flying, swimming", 2},
    {"verb.perception", "verbs of seeing, hearing, feeling", 2},
    {"verb.possession", "verbs of buying, selling, owning", 2},
    {"verb.social", "verbs of political and social activities and events", 2},
    {"verb.stative", "verbs of being, having, spatial relations", 2},
    {"verb.weather", "verbs of raining, snowing, thawing, thundering", 2},
    {"adj.ppl", "participial adjectives", 3},
};

}  // namespace

const LexicographerFile* LexicographerFileOf(int number) {
  return number >= 0 && number < kLexicographerFileCount ? &kFiles[number] : nullptr;
}

const char* TopConceptWord(const LexicographerFile& file) {
  return std::strchr(file.name, '.') + 1;
}

}  // namespace importers
