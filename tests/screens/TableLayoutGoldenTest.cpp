#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "EngineFakes.h"
#include "TableEngine.h"

namespace {

using engine_test::ENGINE_RIG;

// A 300-row, two-column table whose rows mix one-line cells, empty cells, CR LF, LF and CR
// breaks, wrapped words, a long word and cells of more lines than a page holds.
std::wstring Cell(int row, int column)
{
    if (column == 0)
        return L"Item " + std::to_wstring(row) + (row % 13 == 0 ? L"\nsub" : L"");
    switch ((row * 3 + row / 11) % 7) {
    case 0: return L"";
    case 1: return L"ok";
    case 2: return L"first\r\nsecond";
    case 3: {
        std::wstring words;
        for (int i = 0; i < 12; ++i)
            words += L"word ";
        return words;
    }
    case 4: return L"a\nb\rc\r\nd";
    case 5: {
        std::wstring lines = L"0";
        for (int i = 1; i < 13; ++i)
            lines += L"\n" + std::to_wstring(i);
        return lines;
    }
    default: return std::wstring(100, L'x');
    }
}

// Every page from the first to the last: its first row and the bottoms of its rows, one page a line.
// Recorded from the layout rules with characters 8 pixels wide in a 640 x 400 window, header 37,
// rows 38, two columns of 320.
const char* const kGoldenPages = R"(
0 113,189,303,379
4 379
5 75,227,265,341
9 151,227,341
12 113
13 379
14 75,227,265,341
18 151,227
20 379
21 75
22 379
23 75,227,265,341
27 151,227
29 379
30 75,227,265
33 189,227,303
36 151,227
38 379
39 113,265,303,379
43 151,227,341
46 113
47 379
48 75,227,265,341
52 151,227
54 379
55 113
56 379
57 75,227,265,341
61 151,227
63 379
64 75,227,265
67 189,227,303
70 151,227
72 379
73 75,227,265,341,379
78 113,227,303
81 379
82 75,227,265,341
86 151,227,341
89 113
90 379
91 113,265,303,379
95 151,227
97 379
98 75
99 379
100 75,227,265,341
104 151,227
106 379
107 75,227,265
110 189,227,303
113 151,227
115 379
116 75,227,265,341
120 151,227,341
123 113
124 379
125 75,227,265,341
129 151,227
131 379
132 113
133 379
134 75,227,265,341
138 151,227
140 379
141 75,227,303
144 189,227,303
147 151,227
149 379
150 75,227,265,341,379
155 113,227,303
158 379
159 75,227,265,341
163 151,227,341
166 113
167 379
168 75,227,265,341
172 151,227
174 379
175 75
176 379
177 75,227,265,341
181 151,227
183 379
184 75,227,265
187 189,227,303
190 151,227
192 379
193 75,227,303,379
197 151,227,341
200 113
201 379
202 75,227,265,341
206 151,227
208 379
209 113
210 379
211 75,227,265,341
215 151,227
217 379
218 75,227,265
221 189,227,303
224 151,227
226 379
227 75,227,265,341,379
232 113,227,303
235 379
236 75,227,265,341
240 151,227,341
243 113
244 379
245 75,227,303,379
249 151,227
251 379
252 75
253 379
254 75,227,265,341
258 151,227
260 379
261 75,227,265
264 189,227,303
267 151,227
269 379
270 75,227,265,341
274 151,227,341
277 113
278 379
279 75,227,265,341
283 151,227
285 379
286 113
287 379
288 75,227,265,341
292 151,227
294 379
295 75,227,265
298 189,265
)";

TEST(TableLayoutGolden, RowBottomsAndRowsPerPageOfA300RowTable)
{
    ENGINE_RIG rig(ENGINE_AREA{0, 0, 640, 400});
    ASSERT_EQ(rig->SetColumns(2, -1), 1);
    ASSERT_EQ(rig->SetRowCount(300), 1);
    for (int row = 0; row < 300; ++row) {
        for (int column = 0; column < 2; ++column)
            ASSERT_EQ(rig->SetCellText(row, column, Cell(row, column).c_str(), -1), 1);
    }
    rig->Redraw(0);
    std::ostringstream pages;
    pages << "\n";
    int shownRows = 0;
    for (int page = 0; page < 300; ++page) {
        const std::vector<int> bottoms = rig->RowBottoms();
        ASSERT_EQ(static_cast<int>(bottoms.size()), rig->GetRowsPerPage());
        pages << rig->GetPageFirstRow() << " ";
        for (size_t i = 0; i < bottoms.size(); ++i)
            pages << (i ? "," : "") << bottoms[i];
        pages << "\n";
        EXPECT_EQ(rig->GetPageFirstRow(), shownRows) << "no row is skipped or shown twice";
        shownRows += rig->GetRowsPerPage();
        if (rig->IsLastPage())
            break;
        rig->PageDown(0);
    }
    EXPECT_EQ(shownRows, 300);
    EXPECT_EQ(pages.str(), kGoldenPages);

    // Paging back up retraces the same page starts.
    std::vector<int> starts;
    while (!rig->IsFirstPage()) {
        rig->PageUp(0);
        starts.push_back(rig->GetPageFirstRow());
    }
    EXPECT_EQ(starts.size() + 1, 137u);
    EXPECT_EQ(starts.back(), 0);
}

}  // namespace
