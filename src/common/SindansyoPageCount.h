#pragma once

class SindansyoEpisode;

// The page count of a certificate: the number of the last examination that counts decides how
// many pages the certificate takes, at a layout's number of examinations per page, up to its
// number of pages. Each layout calls it with its own counting rule and numbers (Tottori counts
// examinations with a date or a course text, five a page, four pages at most; Miyazaki dated
// examinations, three a page, seven pages at most).
class SindansyoPageCount
{
public:
    enum class Counted {
        Dated,          // the date (line 0 field 2) is not empty and does not begin with "."
        DatedOrCourse,  // dated, or the course text (line 1 field 2) is not empty
    };

    // The examination number (the whole value of line 0 field 1) of the last of the twenty
    // examinations that counts, in block order; 0 when none counts.
    static int lastSinsatuNumber(const SindansyoEpisode& episode, Counted rule);
    // Whether examination j (0 to 19) counts.
    static bool counts(const SindansyoEpisode& episode, int j, Counted rule);
    // Pages for a last examination number: perPage examinations a page, at most maxPages; 0 for 0.
    static int pages(int lastNumber, int perPage, int maxPages);
    static int pages(const SindansyoEpisode& episode, Counted rule, int perPage, int maxPages);
};
