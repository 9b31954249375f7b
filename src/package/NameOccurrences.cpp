#include "package/NameOccurrences.h"

NameOccurrences::NameOccurrences(const QStringList &names) : nodes_(1)
{
    endOf_.reserve(names.size());
    for (const QString &name : names) {
        int node = 0;
        for (const QChar c : name) {
            const auto found = nodes_[node].next.find(c.unicode());
            if (found != nodes_[node].next.end()) {
                node = found->second;
                continue;
            }
            nodes_[node].next.emplace(c.unicode(), int(nodes_.size()));
            node = int(nodes_.size());
            nodes_.emplace_back();
        }
        endOf_.push_back(node);
    }
    for (const auto &[c, child] : nodes_[0].next) {
        if (c < rootNext_.size())
            rootNext_[c] = child;
    }

    // Each node's fail link: the longest proper suffix of its text that is also a prefix of
    // some name. Found level by level, so the links of shorter texts are ready when needed.
    breadthFirst_.push_back(0);
    for (std::size_t i = 0; i < breadthFirst_.size(); ++i) {
        const int parent = breadthFirst_[i];
        for (const auto &[c, child] : nodes_[parent].next) {
            nodes_[child].fail = parent == 0 ? 0 : step(nodes_[parent].fail, c);
            breadthFirst_.push_back(child);
        }
    }
}

NameOccurrences::Marks NameOccurrences::noMarks() const
{
    return Marks(nodes_.size(), false); // per node: some line passed through it
}

int NameOccurrences::step(int node, char16_t c) const
{
    for (;;) {
        if (node == 0 && c < rootNext_.size())
            return rootNext_[c];
        const auto found = nodes_[node].next.find(c);
        if (found != nodes_[node].next.end())
            return found->second;
        if (node == 0)
            return 0;
        node = nodes_[node].fail;
    }
}

void NameOccurrences::scanLine(QStringView line, Marks &marks) const
{
    int node = 0; // a name never spans two lines
    marks[0] = true;
    for (const QChar c : line) {
        node = step(node, c.unicode());
        marks[std::size_t(node)] = true;
    }
}

std::vector<bool> NameOccurrences::occurrences(const Marks &marks) const
{
    // Reaching a node means its text, and so every suffix of it, occurred: hand the mark down
    // the fail links, deepest nodes first.
    std::vector<bool> reached = marks;
    for (auto node = breadthFirst_.rbegin(); node != breadthFirst_.rend(); ++node) {
        if (reached[*node])
            reached[nodes_[*node].fail] = true;
    }
    std::vector<bool> found;
    found.reserve(endOf_.size());
    for (const int end : endOf_)
        found.push_back(reached[end]);
    return found;
}
