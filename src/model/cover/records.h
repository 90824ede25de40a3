#pragma once
// Record systems kept as data: matrix-method constructions that a long offline search
// (benchmarks/record_search) found, rebuilt when a player asks for their structure.
#include <cstdint>
#include <vector>

#include "model/cover/space.h"

namespace zuvo::cover {

// Every point of Space{three, two} whose syndrome (digits times `columns`, summed in the group
// Z3^groupThree x Z2^groupTwo laid out as a Space) lies in `syndromes` is a column; the balls of
// the syndromes under the columns' steps cover the group, so the system has covering radius
// `radius`.
struct Construction {
    int three = 0;
    int two = 0;
    int radius = 0;
    int groupThree = 0;
    int groupTwo = 0;
    std::vector<Point> columns;
    std::vector<Point> syndromes;

    Space space() const { return Space{three, two}; }
    Space group() const { return Space{groupThree, groupTwo}; }
    // Points per syndrome times the syndromes: the system's size when the matrix has full rank.
    std::uint64_t size() const;
};

const std::vector<Construction>& storedConstructions();
// The stored construction for the structure and radius; nullptr when there is none.
const Construction* storedConstruction(int three, int two, int radius);
// The construction's columns, in order; empty for a construction that does not fit its space.
System rebuild(const Construction& construction);

}  // namespace zuvo::cover
