#pragma once
// Every frame sequence the program shows, in one table: where its frames lie, how many there
// are, and what they show a pupil who cannot see them. The pages, the problem generators and
// the artwork tool all read it, so each animation is named, counted and described once.

#include <QString>

#include <array>

namespace sequences {

enum class Id { Title, Circle, Sector, Triangle, Segment, Cylinder, Torus, Mobius, Cone };

struct Sequence {
    Id id = Id::Title;
    const char* folder = "";  // "circlesm"
    const char* name = "";    // "circle": each frame's file is this, its number and ext
    const char* ext = "";     // ".jpg" or ".gif"
    int count = 0;
    const char* shows = "";   // untranslated; description() gives it in the pupil's language

    // Folder and name as the pages write them: "circlesm\circle".
    QString stem() const;
    // The design name of frame `number`: "circlesm\circle07.jpg".
    QString frameFile(int number) const;
    // What the animation shows, for screen readers.
    QString description() const;

    friend bool operator==(const Sequence& a, const Sequence& b) { return a.id == b.id; }
};

inline constexpr int kSequenceCount = 9;

const Sequence& get(Id id);
const std::array<Sequence, kSequenceCount>& all();

} // namespace sequences
