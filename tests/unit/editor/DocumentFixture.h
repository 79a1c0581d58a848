#pragma once
// A document over the fake host, with helpers that read rows back as plain lists.
#include "FakeDocumentHost.h"
#include "editor/core/ScriptDocument.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace qv::editor::testing {

inline const std::string ScriptPath = "C:\\WINDOWS\\test.qvs";

class DocumentFixture : public ::testing::Test {
  protected:
    FakeDocumentHost host;
    ScriptDocument doc{host.Ports()};

    // Writes the lines as the script file and opens it.
    LoadReport Load(const std::vector<std::string>& lines, const std::string& path = ScriptPath) {
        host.AddLines(path, lines);
        return doc.OpenScript(path);
    }
    std::vector<std::string> Commands() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < doc.CommandCount(); ++i)
            out.push_back(doc.Rows()[i].Command);
        return out;
    }
    std::vector<std::string> Titles() const {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < doc.CommandCount(); ++i)
            out.push_back(doc.Rows()[i].Title);
        return out;
    }
    // Every row's Order, the end row's included.
    std::vector<int> Orders() const {
        std::vector<int> out;
        for (const ScriptRow& row : doc.Rows())
            out.push_back(row.Order);
        return out;
    }
    std::vector<int> SelectedRows() const {
        std::vector<int> out;
        for (std::size_t i = 0; i < doc.Rows().size(); ++i)
            if (doc.Rows()[i].Selected)
                out.push_back(static_cast<int>(i));
        return out;
    }
    // As a click does: the row gets the focus and the selection is exactly `rows`.
    void Select(std::initializer_list<int> rows, int focus) {
        for (std::size_t i = 0; i < doc.Rows().size(); ++i)
            doc.SetRowSelected(static_cast<int>(i), false);
        for (int row : rows)
            doc.SetRowSelected(row, true);
        doc.SetFocusedRow(focus);
    }
    int EndRow() const { return static_cast<int>(doc.Rows().size()) - 1; }
};

} // namespace qv::editor::testing
