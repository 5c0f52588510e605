// What the other league players say when the heroes talk to them. Each
// script is a list of short speeches, one per conversation state: "#An"
// picks the speech, "#GE" ends it. The states move on as the tournament goes
// (after certain match-days, after the final) and, for some players, after
// each talk.
#include "story/scripts.h"

#include "story/marked_text.h"

namespace moki {

namespace {

// 優雅, the queen of the hall, and her devoted teammate ウィー団子. After the
// tournament she has taken up cooking.
constexpr const char32_t kYuugaLeague[] = JT("script.yuuga-league",
                                             // TRANSLATORS: 優雅 (Yuuga, 'Elegance'), the queen of
                                             // the hall, in the tournament hall, during the league.
                                             U"#A3"
                                             U"#0優雅「オーホッホ、オホホホホ#,"
                                             U"わたくしこそ、この大会でいちばん#,"
                                             U"美しく、そして優雅な選手ですわ#."
                                             U"あなたがたのような方とお話しできるなんて#,"
                                             U"光栄に思いなさい、オホホホホ#GE"
                                             U"#1優雅「オホホホホ、話しかけずにはいられないのね#,"
                                             U"無理もありませんわ#,"
                                             U"わたくしのこの気品ですもの#."
                                             U"でも試合では、手加減いたしませんことよ#GE");

constexpr const char32_t kYuugaAfter[] =
    JT("script.yuuga-after",
       // TRANSLATORS: 優雅 (Yuuga) after the tournament: she has taken up cooking.
       U"#2優雅「オホホホホ、わたくしの魅力にとりつかれたのですね#,"
       U"大会は終わってしまいましたけれど#,"
       U"わたくしの輝きは終わりませんわ#GE"
       U"#3優雅「トリのくちばしをきつね色になるまで・・・ #,"
       U"じっくり焼いたら、お塩をひとつまみ・・・#."
       U"あら、見られてしまいましたわね#,"
       U"これはウィー団子へのお仕置き料理ですのよ#,"
       U"オーホッホッホ#E");

constexpr const char32_t kBecker[] = JT("script.becker",
                                        // TRANSLATORS: ベッカー (Becker) in the tournament hall.
                                        U"#A2"
                                        U"#0ベッカー「いやいやいやいやぁー#,"
                                        U"まさかこんなところでお会いできるとは！#."
                                        U"その身のこなし、そのまなざし・・・#,"
                                        U"あなたこそ、わたしの心の師匠です！#GE"
                                        U"#1ベッカー「心の師匠・・・#,"
                                        U"わたしはあなたの背中を見て学びます#,"
                                        U"試合ではどうかお手やわらかに#GE"
                                        U"#2ベッカー「さすが心の師匠！#,"
                                        U"あのふたりに勝ってしまうとは！#."
                                        U"わたしも師匠を見習って#,"
                                        U"一からきたえなおします#E");

// トゥーミー hides under a coat and bandages: without them nobody can see him.
// His shy partner インビ comes from the same country.
constexpr const char32_t kTwoMe[] =
    JT("script.two-me",
       // TRANSLATORS: トゥーミー (Toomey) in the tournament hall: he hides under a coat and
       // bandages; without them nobody can see him.
       U"#A2"
       U"#0トゥーミー「今日のために、自分の国から相棒をつれてきました#,"
       U"インビっていうんですが、はずかしがりやでね#."
       U"え、わたしの顔ですか？#,"
       U"この包帯の下は・・・見ないほうがいいですよ#GE"
       U"#1トゥーミー「試合のときは脱ぎますよ#,"
       U"コートも帽子も包帯も全部ね#."
       U"そうすれば、だれにもわたしの姿は#,"
       U"見えなくなるというわけです#GE"
       U"#2トゥーミー「まだダメだ、まだダメだ#,"
       U"もっと練習して、いつかはあなたがたに#,"
       U"勝ってみせます#E");

constexpr const char32_t kTake[] = JT("script.take",
                                      // TRANSLATORS: タケ (Take) in the side room off the hall.
                                      U"#A2"
                                      U"#0タケ「あのね、あのね、ぼくね、この大会で優勝してね#,"
                                      U"お母さんにほめてもらうんだ#."
                                      U"だからね、お兄ちゃんたちには#,"
                                      U"負けないよ#GE"
                                      U"#1タケ「あのね、あのね、さっきの相手はね、すごく強かった#,"
                                      U"でもね、ぼく泣かなかったよ#GE"
                                      U"#2タケ「あのね、あのね、優勝するまでね、ボク帰れない#,"
                                      U"お母さんと約束したんだもん#."
                                      U"だからね、来年もまた来るよ#E");

// 先輩 and 後輩 play together; each worries about the other as the league
// goes on, and after the final the two have sorted it out.
constexpr const char32_t kSenpai[] =
    JT("script.senpai",
       // TRANSLATORS: 先輩 (the senior of a pair) in the tournament hall; he worries about his
       // junior 後輩.
       U"#A5"
       U"#0先輩「あいつ・・・、オレのことどう思ってるのかな・・・#,"
       U"・・・ん？なんだ、おまえたちか#,"
       U"べ、別になんでもないぞ#GE"
       U"#1先輩「どうしよう、今の関係のままのがいいのかな・・・#,"
       U"・・・いや、こっちの話だ#GE"
       U"#2先輩「ちょっと１回、話し合いの場を持つか・・・#,"
       U"いや、でもなあ・・・#GE"
       U"#3先輩「ああ・・・考えてても、らちがあかねえ#,"
       U"こうなったら、試合で気持ちを伝えるしかねえ！#GE"
       U"#4先輩「ああ・・・緊張する、酒の力を借りて・・・#,"
       U"いや、試合の前に酒はまずいか#."
       U"よし、今日こそ言うぞ#GE"
       U"#5先輩「フフフ、そんなに悩むことなかったんだ#,"
       U"あいつも同じ気持ちだったらしい#."
       U"これからも最高のコンビでやっていくぜ#E");

constexpr const char32_t kShinnen[] =
    JT("script.shinnen",
       // TRANSLATORS: 信念 (Shinnen, 'Conviction') in the tournament hall.
       U"#A2"
       U"#0信念「オッス、よろしくお願いします#,"
       U"自分の信念はただひとつ、速さです#GE"
       U"#1信念「速さを追求するために髪の毛も切りました#,"
       U"空気の抵抗がへって、０．１秒は速くなったはずです#GE"
       U"#2信念「これからももっともっと速さを追求するつもりです#,"
       U"次はまゆ毛もそろうかと思っています#E");

// エリー, heir of an old house, reads his fortune of the day from entry 3 on,
// over and over.
constexpr const char32_t kEllyLeague[] =
    JT("script.elly-league",
       // TRANSLATORS: エリー (Ellie), heir of an old house, in the tournament hall, during the
       // league; from entry 3 on he reads his fortune of the day, over and over.
       U"#A6"
       U"#0エリー「おや、庶民の方々、これはどうも#,"
       U"わたしは由緒ある家の出でしてね#,"
       U"このような大会も、ほんのたしなみですよ#GE"
       U"#1エリー「はああ・・・ネコがうらやましい#,"
       U"一日中ねていても、だれにも怒られない#."
       U"名家の跡取りというのも#,"
       U"楽じゃないのですよ#GE"
       U"#2エリー「・・・だ・・・・・#,"
       U"・・・最悪だ、今日の占いは最下位だ・・・#."
       U"いや、庶民の占いなど#,"
       U"わたしは気にしませんけどね#GE"
       U"#3エリー「眼病や口内炎に注意、ばい菌に特に注意#,"
       U"・・・今日の占いです#,"
       U"手洗いとうがいは、かかさないようにしています#GE");

constexpr const char32_t kEllyAfter[] =
    JT("script.elly-after",
       // TRANSLATORS: エリー (Ellie) after the tournament.
       U"#4エリー「恋のライバルが出現#,"
       U"・・・今日の占いです#,"
       U"ライバル？このわたしに？まさか#GE"
       U"#5エリー「タダほど高いものはないと、思い知らされる#,"
       U"・・・今日の占いです#,"
       U"タダのものなど、名家には用がありません#GE"
       U"#6エリー「このオレ様がチャンピオンになれないなんて・・・#,"
       U"・・・おっと、失礼#,"
       U"取り乱してしまいました#E");

constexpr const char32_t kHonshitsu[] =
    JT("script.honshitsu",
       // TRANSLATORS: 本質 (Honshitsu, 'Essence') in the side room off the hall.
       U"#A2"
       U"#0本質「フォッフォッフォ、おぬしらも出場者か#,"
       U"わしは長年、ボールの本質を追い求めてきた#."
       U"若い者には、まだまだ負けんぞ#GE"
       U"#1本質「フォッフォッフォッ、ボールが壊れてしまうかもしれんのう#,"
       U"わしが本気で打ったらの#GE"
       U"#2本質「ボールを強く打つことよりも#,"
       U"大切なことがあると、おぬしらに教わったわい#."
       U"それが何かは・・・自分で考えるのじゃ#,"
       U"フォッフォッフォ#E");

constexpr const char32_t kJiddy[] =
    JT("script.jiddy",
       // TRANSLATORS: ジディー (Jiddy) in the side room off the hall.
       U"#A2"
       U"#0ジディー「・・・・・#,"
       U"・・・・・・・・#GE"
       U"#1ジディー「プッ#,"
       U"弱そう#GE"
       U"#2ジディー「チッ・・・#,"
       U"おまえらなんかが#,"
       U"チャンピオンとはな#E");

constexpr const char32_t kWeeDango[] = JT(
    "script.wee-dango",
    // TRANSLATORS: ウィー団子 (Wee Dango), 優雅's devoted teammate, in the side room off the hall.
    U"#A1"
    U"#0ウィー団子「ああ、優雅さまにもっとお仕置きされたい#,"
    U"あの冷たいまなざし、たまらない・・・#GE"
    U"#1ウィー団子「もうだれでもいい・・・#,"
    U"だれか、わたしをしかってください・・・#E");

// 犬ラ only barks.
constexpr const char32_t kInura[] =
    JT("script.inura",
       // TRANSLATORS: 犬ラ (Inura), a dog in the tournament hall: he only barks.
       U"#A1"
       U"#0犬ラ「ワン！ギャルルル・・・#GE"
       U"#1犬ラ「ブラン！ココココ・・・#E");

// インビ speaks only in katakana.
constexpr const char32_t kInvi[] =
    JT("script.invi",
       // TRANSLATORS: インビ (Invi), トゥーミー's shy partner in the tournament hall, who is
       // invisible in matches; he speaks only in katakana (a foreign accent).
       U"#A4"
       U"#0インビ「コンニチワ、ホントニスミマセン#,"
       U"トゥーミーサンノ、アイボウデス#GE"
       U"#1インビ「ミナイデクダサイ#,"
       U"ハズカシイデス・・・#GE"
       U"#2インビ「ヤサシクシテクダサイ#,"
       U"ボク、トオイクニカラキマシタ#GE"
       U"#3インビ「カエラセテクダサイ#,"
       U"クニニカエリタイデス・・・#GE"
       U"#4インビ「ミテミヌフリシテクダサイ#,"
       U"オネガイシマス#E");

constexpr const char32_t kKouhai[] = JT("script.kouhai",
                                        // TRANSLATORS: 後輩 (the junior of a pair) in the
                                        // tournament hall; he worries about his senior 先輩.
                                        U"#A5"
                                        U"#0後輩「今回も先輩にナイスパスをおーくろ#,"
                                        U"先輩、オレのパスをいつもほめてくれるんすよ#GE"
                                        U"#1後輩「なんか最近、先輩元気ないな#,"
                                        U"どうしたんだろう・・・#GE"
                                        U"#2後輩「悩み事でもあんのかな#,"
                                        U"オレでよかったら、相談にのるのにな#GE"
                                        U"#3後輩「なんか先輩に無視されてる気が・・・#,"
                                        U"オレ、なんかしたっけ・・・#GE"
                                        U"#4後輩「なんか今日はいいことがありそう#,"
                                        U"朝の星占いも１位だったし#GE"
                                        U"#5後輩「ドキドキ・・・、まさか・・・#,"
                                        U"先輩があんなことを言うなんて・・・#."
                                        U"いや、なんでもないっす！#E");

constexpr const char32_t kKatsuodori[] =
    JT("script.katsuodori",
       // TRANSLATORS: カツオドリ (Katsuodori, a booby bird) in the tournament hall.
       U"#A1"
       U"#0カツオドリ「ふみゃー！(鳴き声)#,"
       U"ふみゃ、ふみゃー！(鳴き声)#GE"
       U"#1カツオドリ「ひゃっほい！ひゃっほい！(鳴き声)#,"
       U"ひゃっほーい！(うれしそうな鳴き声)#E");

constexpr const char32_t kZatsugame[] =
    JT("script.zatsugame",
       // TRANSLATORS: 雑亀 (Zatsugame, 'common turtle') in the side room off the hall.
       U"#A3"
       U"#0雑亀「どうでもいいっすよ#,"
       U"試合とか、勝ち負けとか#,"
       U"ぜんぶどうでもいいっす#GE"
       U"#1雑亀「そのへんに置いといてくれればいいっすよ・・・#,"
       U"ぼくのことは、ほっといてください#GE"
       U"#2雑亀「待たしときゃあいいんだよ#,"
       U"受付なんて、いくらでも待たしときゃあ#,"
       U"・・・あ、いまのはひとりごとっす#GE"
       U"#3雑亀「ぼくなんか祭りの露店で売られてましたから・・・#,"
       U"大会に出られただけで、じゅうぶんっす#E");

constexpr const char32_t kDokuro[] =
    JT("script.dokuro",
       // TRANSLATORS: どくろ (Dokuro, 'skull') in the side room off the hall.
       U"#A1"
       U"#0どくろ「ジディーさんは（性格はイヤなやつだが）実力はあるぜぇ#,"
       U"オレたちのチームは強いぜぇ#GE"
       U"#1どくろ「下克上だ#,"
       U"いつかジディーさんもチャンピオンも#,"
       U"オレがたおしてやるぜぇ#E");

}  // namespace

ScriptPieces ChatterScriptPieces(int speaker) {
  switch (speaker) {
    case 4:
      return {{"script.yuuga-league", kYuugaLeague}, {"script.yuuga-after", kYuugaAfter}};
    case 5:
      return {{"script.becker", kBecker}};
    case 6:
      return {{"script.two-me", kTwoMe}};
    case 7:
      return {{"script.take", kTake}};
    case 8:
      return {{"script.senpai", kSenpai}};
    case 9:
      return {{"script.shinnen", kShinnen}};
    case 10:
      return {{"script.elly-league", kEllyLeague}, {"script.elly-after", kEllyAfter}};
    case 11:
      return {{"script.honshitsu", kHonshitsu}};
    case 12:
      return {{"script.jiddy", kJiddy}};
    case 13:
      return {{"script.wee-dango", kWeeDango}};
    case 14:
      return {{"script.inura", kInura}};
    case 15:
      return {{"script.invi", kInvi}};
    case 17:
      return {{"script.kouhai", kKouhai}};
    case 18:
      return {{"script.katsuodori", kKatsuodori}};
    case 20:
      return {{"script.zatsugame", kZatsugame}};
    case 21:
      return {{"script.dokuro", kDokuro}};
    default:
      return {};
  }
}

}  // namespace moki
