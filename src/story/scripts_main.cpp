// The scripts that drive the story: the opening talk, the reception desk,
// the seller, the item explainer, the rules explainer and the host of the
// bear rooms.
//
// Codes: "#," line break, "#." page end, "#?xy" yes/no question, "#Gx" jump,
// "#An" pick the entry of the speaker's conversation state; the others act on
// the game (ranking, booking, selling, story turns). Entry labels are digits,
// branch labels lower-case letters, and "#E" marks the end of every script.
#include "story/scripts.h"

#include "story/marked_text.h"

namespace moki {

namespace {

// モキモキ, at the start of a new game. The answer picks the course: with
// motivation (#Y1) or the easy course for the unmotivated (#Y0).
constexpr const char32_t kOpening[] = JT(
    "script.opening",
    // TRANSLATORS: モキモキ (Mokimoki, the hero's partner) to くあ (Kua, the hero), at the start of
    // a new game. The answer picks the course: with motivation (#Y1) or the easy course (#Y0).
    U"モキモキ「くあ(主人公)、ついにこの日が来たね#,"
    U"待ちに待った大会の日だよ#,"
    U"ふたりで力を合わせて、優勝目指して#,"
    U"がんばろう、くあ！#?ab"
    U"#aモキモキ「よし！行こう！#Y1#GE"
    U"#bモキモキ「「がんば」らないのかよ#,"
    U"「がんば」れよ！くあ！#Y0#E");

// 受付. Entry 0 runs the league: ranking, the day's opponent, the role and the
// booking. Entries 1..8 follow the story after the league: the final against
// 受付 and サンタ, the title, the challengers and the three ways to lose.
// The role choice ("e") asks 前衛, 後衛, 監督 in turn and starts over.
constexpr const char32_t kReceptionLeague[] =
    JT("script.reception-league",
       // TRANSLATORS: 受付 (the receptionist) at the reception desk in the tournament hall, during
       // the league: the ranking, the day's opponent, the role (forward, back or manager) and the
       // booking.
       U"#A8"
       U"#0受付「こちらは試合の受付です#,"
       U"まず現在のランキングを見ますか？#?ab"
       U"#a#R"
       U"#b試合を行いますか？#?cd"
       U"#cあなたは現在ランキング#P位です#,"
       U"第#N節の対戦相手は#Oさんです#,"
       U"試合を行いますか？#?ed"
       U"#dそれではやる気が出たらまたお声をおかけください#GE"
       U"#e前衛と後衛どっちをやりますか？#,"
       U"前衛？#?fg"
       U"#f#Z1#Gm"
       U"#gじゃあ後衛？#?hi"
       U"#h#Z2#Gm"
       U"#iじゃあ監督？#?jk"
       U"#j#Z0#Gm"
       U"#kじゃあやっぱ前衛？#?fg"
       U"#mそれではレッツ試合！#B#GE");

constexpr const char32_t kReceptionFinal[] =
    JT("script.reception-final",
       // TRANSLATORS: 受付 (the receptionist), and サンタ (Santa) beside her, at the reception desk
       // after the league: the prize, the final against the two of them, the end of the season.
       U"#1受付「おめでとうございます！#,"
       U"リーグ戦、全勝での優勝です！#."
       U"優勝賞金の、１５０００ドールをお受け取りください#U4#."
       U"サンタ「へへへ、おめでとさん#,"
       U"でもな、ほんとうの勝負はここからだよ#,"
       U"最後の相手は、このおれたちってわけさ#."
       U"受付｢それではわたしたちと試合を行いますか？#?en"
       U"#nじゃあ準備(覚悟)でもしてきてください#U1#GE"
       U"#2受付「これですべての試合が終了しました#."
       U"#Rあなたの順位は#P位です#,"
       U"残念ながら、優勝には届きませんでした#,"
       U"またの挑戦をお待ちしております#."
       U"ゲームオーバー！#U0#GE"
       U"#3受付「わたしたちと試合をする準備(覚悟)はできましたか？#?en"
       U"#4受付「おめでとうございます！#,"
       U"あなたがたこそ、真のチャンピオンです#."
       U"挑戦を受けるのであれば、また声をかけてください#U2#GE");

constexpr const char32_t kReceptionChampion[] =
    JT("script.reception-champion",
       // TRANSLATORS: 受付 (the receptionist) after the final: the title, the challengers and the
       // three ways to lose.
       U"#5受付「あーあ、やっぱりしょせんその程度か・・・#."
       U"おわりー！ゲームオーヴァー！#U0#GE"
       U"#6受付「チャンピオンさん、#U3から挑戦状がとどいています#."
       U"#U3と試合を行いますか？#?ed"
       U"#7受付「おめでとうございます、また勝ちましたね#,"
       U"チャンピオンの座は守られました#,"
       U"新しい挑戦者が来たら、またお知らせしますね#U2#GE"
       U"#8受付「残念ですね(笑)#,"
       U"ついに負けてしまいましたか・・・#."
       U"とにかくゲームオーヴァー！#U0#E");

// サンタ. Entry 0 sells the offer of the day: the money check (#C), the
// status screen, the key to put it on (#K) and the payment (#M), which moves
// him to entry 1 until the next offer.
constexpr const char32_t kSeller[] =
    JT("script.seller",
       // TRANSLATORS: サンタ (Santa) sells the offer of the day at the counter in the tournament
       // hall: the money check (#C), the key to put the item on (#K) and the payment (#M).
       U"#A1"
       U"#0サンタ「プレゼントを「売って」あげよう#?ab"
       U"#a今回もいいものを仕入れましたよ、へへへ#,"
       U"なんと「#IN」が#IK個、お値段#IMドール#,"
       U"買うかい？#?cb"
       U"#c#Cde"
       U"#bいい品なんだけどなあ#GE"
       U"#eつーか金足りないよ、金ためてまたきてよ#GE"
       U"#dオーケイ、じゃあどのキーにつける？#,"
       U"つーか、その前にステータス画面を見るかい？#?fg"
       U"#f#S"
       U"#gＺキーにするかい？#?hi"
       U"#h#K0オーケイ、Ｚキーに#INをつけたよ#Gp"
       U"#iＸキーにするかい？#?jk"
       U"#j#K1オーケイ、Ｘキーに#INをつけたよ#Gp"
       U"#kＣキーにするかい？#?lm"
       U"#l#K2オーケイ、Ｃキーに#INをつけたよ#Gp"
       U"#mじゃあもう買うのやめるか？#?no"
       U"#nほんとにやめちゃうのかよ#,"
       U"まじかよ、もういいよ#GE"
       U"#oじゃあちゃんと決めてくれ#."
       U"ステータス画面を見るか？#?fg"
       U"#p#.まいど#M#GE"
       U"#1サンタ「今回はもう売り切れ！#E");

// ぴーす, who calls himself ピース, explains the items on the three keys.
// Each key gets a page: the key, then the item's name and explanation.
constexpr const char32_t kItemExplainer[] =
    JT("script.item-explainer",
       // TRANSLATORS: ぴーす (Peace, who calls himself ピース) in the side room off the hall
       // explains the items on the three keys, one page each.
       U"ピース「どうか君が持っているアイテムを説明させてくれ#?ab"
       U"#aピース「ありがとう、ありがとう#,"
       U"えーと・・・#."
       U"Ｚキーについてるのは#,"
       U"#XP0#."
       U"Ｘキーについてるのは#,"
       U"#XP1#."
       U"Ｃキーについてるのは#,"
       U"#XP2#."
       U"ピース「ということです#,"
       U"ああ、説明ってやっぱいいな#GE"
       U"#bピース「そりゃそうだよな、こんな見ず知らずのやつに#,"
       U"説明なんかされたくないよな・・・#E");

// タキシード tells the rules of the match, one page at a time, seventeen pages.
constexpr const char32_t kRulesOpening[] =
    JT("script.rules-opening",
       // TRANSLATORS: タキシード (Tuxedo) in the tournament hall tells the rules of the match, one
       // page at a time (first part).
       U"ちょっと長いかもしれないけど、試合のルール説明聞く？#?ab"
       U"#a試合は、前衛と後衛の２人１組のチームどうしで戦います#,"
       U"試合時間は６０カウントです#."
       U"ゴールは、相手の後衛のうしろの線全部です#,"
       U"線のまん中の色がちがうところに入れば２点、#,"
       U"それ以外のところなら１点が入ります#."
       U"点が入ると、ボールはすぐに#,"
       U"点を入れたチームの後衛のところから出てきます#,"
       U"気を抜かないでください#."
       U"前衛はフィールドの中を自由に動けます#,"
       U"後衛は自分のゴールの前を#,"
       U"上と下にしか動けません#."
       U"前衛の操作は、カーソルキーの上で加速、#,"
       U"下でブレーキ、#,"
       U"左と右で向きを変えます#."
       U"後衛の操作は、カーソルキーの上と下で#,"
       U"その方向に加速します#,"
       U"左と右では、ボールを打ち返す方向を決めます#."
       U"Ｓｈｉｆｔキーを押しながら操作すると#,"
       U"スピードも向きを変える速さも２倍になります#."
       U"キャラクターから出ている赤い線は#,"
       U"ボールを打ったときにボールが飛んでいく方向です#,"
       U"よく見てねらってください#.");

constexpr const char32_t kRulesRest[] = JT(
    "script.rules-rest",
    // TRANSLATORS: タキシード (Tuxedo) in the tournament hall: the rest of the rules of the match.
    U"前衛をやるか後衛をやるかは、試合の前に受付で選べます#,"
    U"監督を選ぶと、前衛も後衛も仲間にまかせて#,"
    U"試合をながめることができます#."
    U"フィールドには水や氷や砂のところがあって#,"
    U"そこでは思うように動けなくなります#."
    U"アイテムはＺ・Ｘ・Ｃのキーに１つずつ#,"
    U"全部で３つまでつけておけます#,"
    U"試合中にそのキーを押すと使えます#."
    U"キーボードの上の列にある数字の１・２・３のキーも#,"
    U"Ｚ・Ｘ・Ｃと同じように使えます#,"
    U"テンキーの数字は使えないので気をつけてください#."
    U"Ｃｔｒｌキーを押すとステータス画面が出て#,"
    U"そのあいだはゲームが止まります#,"
    U"もう一度押すと元にもどります#."
    U"時間切れで同点のときは延長戦になります#,"
    U"延長戦は、先に点を入れたほうの勝ちです#."
    U"試合に勝つと、点差×２００ドールの賞金がもらえます#,"
    U"大差で勝つほど、もうかるというわけです#."
    U"ワナのアイテムは前衛の足もとに仕掛けられます#,"
    U"前衛を動かして、好きなところに仕掛けてください#."
    U"最初にやる気がないと答えた人は「やる気なしモード」です#,"
    U"相手が弱くなる初心者向けのコースで#,"
    U"ボールの色が黒になります#."
    U"いやあ、長々とすみません#,"
    U"モキモキ「(ほんとに長いな・・・)#GE"
    U"#bでしゃばってすみません#E");

// The host of the bear rooms. Entry 0 sells a game against his big brother
// the bear for 100 ドール (#C pays in a room) and books it (#V); entry 1 hands
// over the room's ability (#K grants it in a room), entry 2 follows a lost
// game, and entry 3 is all that is left after the bear's last defeat.
constexpr const char32_t kBearHost[] =
    JT("script.bear-host",
       // TRANSLATORS: The host of the bear rooms (small rooms off the hall): sells a game against
       // his big brother the bear for 100 dolls, hands over the room's ability, and speaks after a
       // lost game and after the bear's last defeat.
       U"#A3"
       U"#0ここはヒミツのくまさん地下室だよ！#,"
       U"とっておきのアイテムほしい？#?ab"
       U"#aでも、ただではあげられないなあ#,"
       U"そこでだ、兄さんと勝負をしてそれに勝ったらあげましょう#,"
       U"ちなみに料金は１００ドール#."
       U"勝負する？#?cb"
       U"#c#Cde"
       U"#bこの意気地なし！兄さんはなあ・・・#GE"
       U"#eこの貧乏人！#,"
       U"１００ドールも持ってないのかよ、出直してきな#GE"
       U"#dルール説明はしなくていいよね？#?fg"
       U"#g(めんどくせえな・・・）#."
       U"ルールは簡単！あなたは飛んでくる火の玉に当たったら負け#,"
       U"兄さんにさわっても負け#."
       U"でも、その火の玉を兄さんに当てたらあなたの勝ち#,"
       U"火の玉は追いかけてくるから、兄さんに誘導してね#."
       U"動かし方は試合の前衛と同じ#,"
       U"だけどアイテムは使えません#."
       U"#fじゃあはじめるよ？#?hi"
       U"#hヨーイドン！#V#GE"
       U"#iはじめないのかよ！#,"
       U"流れ止めんなよ！#,"
       U"もう強制的にスタート#.#Gh"
       U"#1おめでとうございまーす#,"
       U"約束どおりとっておきのアイテム「#IN」をあげまーす#K#."
       U"#XK#."
       U"やったね！これさえあれば１００人力だね！#,"
       U"ハハハ・・・#GE"
       U"#2ざんねんでしたー！#,"
       U"兄さんの勝ちー！#GE"
       U"#3お兄さーん！#,"
       U"なぜだあー！#,"
       U"ウッウッウ・・・#E");

}  // namespace

ScriptPieces StoryScriptPieces(int speaker) {
  switch (speaker) {
    case 1:
      return {{"script.opening", kOpening}};
    case 2:
      return {{"script.reception-league", kReceptionLeague},
              {"script.reception-final", kReceptionFinal},
              {"script.reception-champion", kReceptionChampion}};
    case 3:
      return {{"script.seller", kSeller}};
    case 16:
      return {{"script.item-explainer", kItemExplainer}};
    case 19:
      return {{"script.rules-opening", kRulesOpening}, {"script.rules-rest", kRulesRest}};
    case 22:
      return {{"script.bear-host", kBearHost}};
    default:
      return {};
  }
}

}  // namespace moki
