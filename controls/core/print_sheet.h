#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// What a printout says, before it meets a page: section titles, headings,
// label/value items and tables, in reading order. The views describe
// themselves into one; the printing layer lays it out.
struct PrintSheet {
    enum class Kind {
        Section,   // bold title; starts a new page
        Heading,   // a group within a section
        Text,      // a plain line
        Item,      // label and value
        TableHead, // column headings of the table that follows
        TableRow,  // cells of one row, under the last TableHead
    };
    struct Entry {
        Kind kind;
        QStringList texts; // one text; label and value; or the cells
        // Heading: 1 at the top of a section, deeper for groups within groups;
        // anything else: the depth of the group it belongs to (0 for none).
        int level = 0;
        // Item: items of one run share a column layout; perLine, when not 0,
        // is the most a line of the run holds (as many as the form shows a row).
        int run = 0;
        int perLine = 0;
        bool operator==(const Entry&) const = default;
    };
    std::vector<Entry> entries;
    int depth = 0; // headings added now go one level below this

    // Items added from now on form a run of their own, at most perLine a line (0: no limit).
    void startRun(int perLine = 0)
    {
        ++m_run;
        m_perLine = perLine;
    }

    void section(const QString& title) { entries.push_back({Kind::Section, {title}, 0}); }
    void heading(const QString& text) { entries.push_back({Kind::Heading, {text}, depth + 1}); }
    void text(const QString& text) { entries.push_back({Kind::Text, {text}, depth}); }
    void item(const QString& label, const QString& value)
    {
        entries.push_back({Kind::Item, {label, value}, depth, m_run, m_perLine});
    }
    void tableHead(const QStringList& cells) { entries.push_back({Kind::TableHead, cells, depth}); }
    void tableRow(const QStringList& cells) { entries.push_back({Kind::TableRow, cells, depth}); }

    // Headings added while it lives sit one level deeper.
    class Nested {
    public:
        explicit Nested(PrintSheet& sheet) : m_sheet(sheet) { ++m_sheet.depth; }
        ~Nested() { --m_sheet.depth; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;

    private:
        PrintSheet& m_sheet;
    };

    // Drops what would print as a title over nothing: a table heading without
    // rows, a heading with nothing under it before the next heading or
    // section, and a section left without content.
    void dropEmpty();

private:
    int m_run = 0;
    int m_perLine = 0;
};
