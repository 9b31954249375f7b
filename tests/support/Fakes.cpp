#include "Fakes.h"

#include <gtest/gtest.h>

std::optional<int> ScriptedConfigChooser::choose(const QStringList &entries)
{
    offered.append(entries);
    if (answers.isEmpty()) {
        ADD_FAILURE() << "Unexpected configuration choice of " << entries.size() << " entries";
        return std::nullopt;
    }
    return answers.takeFirst();
}
