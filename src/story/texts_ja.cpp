// Every Japanese text outside the scripts and the item catalogue: the cast's
// names, the words the script codes write, the screens, the result box, the
// title's help and the words of the window's controls.
#include "story/language.h"

namespace moki {

const LanguageTexts kJapaneseTexts = {
    "ja",
    StoryScriptPieces,
    ChatterScriptPieces,
    {
        U"くあ",       U"モキモキ",   U"受付", U"サンタ", U"優雅",   U"ベッカー",
        U"トゥーミー", U"タケ",       U"先輩", U"信念",   U"エリー", U"本質",
        U"ジディー",   U"ウィー団子", U"犬ラ", U"インビ", U"ぴーす", U"後輩",
        U"カツオドリ", U"タキシード", U"雑亀", U"どくろ", U"",
    },
    U"\u3000\u3000\u3000\u3000\u3000",
    U"{r}位の{n}",
    U"{a}と{b}",
    U"「{n}」か、これは{d}",
    {U"ダッシュ", U"ナイスパス", U"自爆"},
    {
        U"「ダッシュ」は、カーソルキーの　上と下を同時に押すと、前衛の速度を　一気に　上げられます"
        U"、"
        U"これは何度使っても　なくなりません",
        U"「ナイスパス」は、前衛を選んだときに、後衛が自分のいる方向に　ボールを飛ばしてくれます",
        U"「自爆」は、これを使うともう全部・・・　　上下左右のすべてのカーソルキーを同時に押すと使"
        U"えま"
        U"す、"
        U"１度しか使えないので、「ここぞ」というときに使うことをお勧めします",
    },
    {U"", U"１位　　　", U"２位　　　", U"３位　　　", U"４位　　　", U"５位　　　", U"６位　　　",
     U"７位　　　", U"８位　　　", U"９位　　　", U"１０位　　"},
    U"{w}勝{l}敗",
    U"第{r}節",
    U"やる気ありモード",
    U"やる気なしモード",
    U"{r} ドール",
    U"{k}{n}　　{r}個",
    {U"Ｚ　", U"Ｘ　", U"Ｃ　"},
    U"　同点延長",
    U"　勝ち",
    U"　負け",
    {
        U"カーソルキーで「キャラクター移動」",
        U"スペースキーで「話す」・「決定」",
        U"コントロールキーで「ステータス表示」",
        U"シフトキーを押しながらカーソルキーで速く移動",
    },
    {
        U"大会にモキモキ",
        U"ファイル(F)",
        U"スタート(S)",
        U"終了(X)",
        U"言語(L)",
        U"日本語",
        U"English",
        U"OK",
        U"はい",
        U"いいえ",
    },
};

}  // namespace moki
