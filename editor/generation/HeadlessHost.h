#pragma once

#include "editor/generation/GenerationHost.h"

#include <string>
#include <vector>

namespace joyvane {

// A host without windows: it keeps the reports for its owner to show and
// ignores everything else.
class HeadlessHost final : public GenerationHost {
public:
    struct Report {
        std::string objectName;
        std::string message;
        bool operator==(const Report&) const = default;
    };

    void ReportObjectError(std::string_view objectName, std::string_view message) override {
        m_reports.push_back({std::string(objectName), std::string(message)});
    }
    void ObjectInserted(int) override {}
    void MovieWritten(const std::filesystem::path&) override {}
    void Trace(std::string_view) override {}

    const std::vector<Report>& Reports() const { return m_reports; }

private:
    std::vector<Report> m_reports;
};

} // namespace joyvane
