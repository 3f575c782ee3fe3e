#pragma once
// The project label: one record of the design's "DBLABEL" stream with the designer and the
// revision, created blank the first time a design without one is reported on.

#include <QByteArray>
#include <QString>

namespace vxw {

class Kernel;

inline constexpr char kProjectLabelStream[] = "DBLABEL";
inline constexpr int kProjectLabelSize = 164;

class ProjectLabel {
public:
    // The record a design without a label gets: integer 0, the four texts blank, the two
    // reserved bytes zero.
    ProjectLabel();

    const QByteArray& Record() const { return record_; }
    // Overlays the first bytes of the record; bytes beyond `bytes` keep their blank values.
    void Overlay(const QByteArray& bytes);

    // The designer and revision texts, each up to their first blank.
    QString Designer() const;
    QString Revision() const;

private:
    QByteArray record_;
};

// Reads the label of the open design. When the stream is missing it is created and the blank
// record written to it; the blank record is answered whether or not that worked.
ProjectLabel ReadProjectLabel(Kernel& kernel);

} // namespace vxw
