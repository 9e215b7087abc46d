#include "cli/help.h"

namespace cli {

namespace {

constexpr std::string_view kOverview = R"(velmora-cli — Velmora のマーキングデータをコマンドラインで作ります。
velmora-cli — Velmora marking data from the command line.

使い方 / Usage:
  velmora-cli expand [options]            連番を展開して行を出力 / expand serial ranges into rows
  velmora-cli ctk [options] [ROWS]        行から CTK ファイルを作成 / write a CTK file from rows
  velmora-cli import FILE                 CTK ファイルの行を出力 / print the rows of a CTK file
  velmora-cli tables FILE                 テーブルファイルの一覧 / list the tables of a table file
  velmora-cli feed-correction [options]   送り補正の計算 / compute a feed correction
  velmora-cli COMMAND --help              各コマンドの説明 / help on one command

入出力は UTF-8、改行は LF。CTK ファイルは Shift-JIS (CP932)。
Text in and out is UTF-8 with LF line ends; CTK files are Shift-JIS (CP932).
終了コード / Exit status: 0 成功 success, 1 入力を受け付けない input refused, 2 使い方の誤り usage error.
)";

constexpr std::string_view kExpand = R"(velmora-cli expand — 生成の「OK」と同じく、空のリストに行を展開します。
Expands as the generator's OK does on an empty list, and prints the rows, one per line,
the layout's cells joined by TAB.

  --layout 1box|3box|text   リストのレイアウト (既定 1box) / list layout (default 1box)
  --range1 SPEC, --range2 SPEC, --range3 SPEC
                            連番 / serial ranges: START-END (連続 Span), "A B" (Pair), "A B C" (Triple)
  --text1 TEXT, --text2 TEXT
                            線番１、線番２ / wire texts 1 and 2
  --count N, --count2 N, --count3 N
                            個数 (3box では 3 列) / counts (three in 3box)
  --numbering-end HEX       ナンバーリング終了値 / numbering end value
  --serial-first            連番前優先 / serial-first priority (range 1 varies fastest)
  --entry ENTRY             テキストボックス A～Z の形の入力 / a whole register text,
                            e.g. [1-10]-R[]-S[] (replaces --range* and --text*)

例 / Example:
  velmora-cli expand --range1 1-3 --text1 -R --count 2
    1-R	2	
    2-R	2	
    3-R	2	
)";

constexpr std::string_view kCtk = R"(velmora-cli ctk — オレンジモードの「CTK 保存」と同じ CTK ファイルを書きます。
Writes the CTK file that the orange window's "CTK 保存" writes for the list read from ROWS
(a file, or standard input when ROWS is missing or "-"): one row per line, cells joined by TAB.

  --layout 1box|3box        リストのレイアウト (既定 1box) / list layout (default 1box)
  --count-column 1|2|3      3box でマーキングする個数列 / the count column marked in 3box
  --table-file PATH         テーブルファイル velmorad.sp3 / the table file
  --table K                 K 番目のテーブル (1 から、既定 1) / the K-th table (1-based, default 1)
  --destination TEXT        テーブルデータ転送先 "Table 0".."Table 20" / destination table
  --work-length X           ワーク長の変更 / work-length override
  --hosei P                 送り補正 % (80～120) / feed-correction percentage as typed (80 to 120)
  -o FILE                   出力ファイル (既定は標準出力) / output file (default standard output)

全角文字を含むリストは Windows フォント用になり、テーブルファイルが必要です。
A list holding full-width text is written for the Windows font and needs a table file.
テーブルありは .cta、なしは .ctk として保存してください。
Save it as .cta with a table, .ctk without.

例 / Example:
  velmora-cli expand --range1 1-10 --count 1 | velmora-cli ctk --table-file velmorad.sp3 --table 2 -o wires.cta
)";

constexpr std::string_view kImport = R"(velmora-cli import — CTK マーキングデータのインポートと同じ行を出力します。
Prints the rows that the import command would put into the list, one per line, cells
joined by TAB (marking text, count, numbering).

例 / Example:
  velmora-cli import wires.cta > wires.tsv
)";

constexpr std::string_view kTables = R"(velmora-cli tables — テーブル選択の項目を出力します。
Prints the table selector's items of a table file, one per line.

例 / Example:
  velmora-cli tables velmorad.sp3
)";

constexpr std::string_view kFeedCorrection = R"(velmora-cli feed-correction — 送り補正の % を計算します。
Prints the feed-correction percentage as the percentage box would show it.

  --terminal M      端子台の長さ (実測) / measured terminal-block length
  --strip T         テストマーキングの記銘板の長さ / length of the marked test strip
  --table-hosei H   テーブルの送り補正値 / the table's own percentage (its Hosei)

例 / Example:
  velmora-cli feed-correction --terminal 210 --strip 200 --table-hosei 100
    105
)";

}  // namespace

std::string_view helpText(std::string_view command)
{
    if (command.empty())
        return kOverview;
    if (command == "expand")
        return kExpand;
    if (command == "ctk")
        return kCtk;
    if (command == "import")
        return kImport;
    if (command == "tables")
        return kTables;
    if (command == "feed-correction")
        return kFeedCorrection;
    return {};
}

}  // namespace cli
