#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <unordered_map>
#include <vector>

// Which of many names occur inside the lines fed to it, anywhere in a line (inside longer words
// too). Every line is read once, however many names there are: the names are merged into one
// automaton (Aho-Corasick), so the cost grows with the text, not with text times names.
// Characters are compared exactly; callers lower-case names and lines alike. The automaton is
// only read once made, so readers on several threads may share it, each with its own Marks.
class NameOccurrences {
public:
    explicit NameOccurrences(const QStringList &names);

    // What the lines one reader scanned passed through.
    using Marks = std::vector<bool>;
    Marks noMarks() const;

    void scanLine(QStringView line, Marks &marks) const;
    // For each name, in the order given: whether some line scanned into marks contained it. An
    // empty name occurs as soon as any line was scanned.
    std::vector<bool> occurrences(const Marks &marks) const;

private:
    struct Node {
        std::unordered_map<char16_t, int> next;
        int fail = 0;
    };
    int step(int node, char16_t c) const;

    std::vector<Node> nodes_;
    // The root's moves for the first 256 characters in a table: most characters of a line
    // leave the automaton at its root, and a table is far quicker there than a hash look-up.
    std::array<int, 256> rootNext_{};
    std::vector<int> endOf_;        // per name: the node where it ends
    std::vector<int> breadthFirst_; // nodes in breadth-first order, the root first
};
