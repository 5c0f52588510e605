// The item catalogue the seller sells from, and the item schedules the
// computer opponents play during a match.
#include "story/item_catalogue.h"

#include <string>

#include "story/language.h"

namespace moki {

namespace {

struct ItemEntry {
  const char32_t* name;
  i16 price;
  const char32_t* description;
};

// Items 0..25. Item 0 is the empty item; the seller never offers it.
// The seller's lines for 北風 and 南風 name the opposite of where those winds
// really push; the lines are the seller's and are kept as he says them.
// clang-format off
constexpr ItemEntry kItems[kItemCount] = {
    {U"何もなし", 0,  // 0
     U"うん、これは文字通り何もなし"},
    {U"東風", 100,  // 1
     U"東から風が吹いて、前衛とボールが左のほうに動きます"},
    {U"北風", 150,  // 2
     U"北から風が吹いて、前衛とボールが下のほうに動きます"},
    {U"西風", 200,  // 3
     U"西から風が吹いて、前衛とボールが右のほうに動きます"},
    {U"南風", 150,  // 4
     U"南から風が吹いて、前衛とボールが上のほうに動きます"},
    {U"きままな風", 150,  // 5
     U"東西南北いずれかの方向から風が吹いて、前衛とボールが動きます"},
    {U"緑化", 300,  // 6
     U"前衛のまわり５×５マスを平原に変えます"},
    {U"洪水", 300,  // 7
     U"前衛のまわり５×５マスを水に変えます"},
    {U"砂漠化", 300,  // 8
     U"前衛のまわり５×５マスを砂漠に変えます"},
    {U"冷凍", 300,  // 9
     U"前衛のまわり５×５マスを氷に変えます"},
    {U"ねずみ捕り", 400,  // 10
     U"ワナを仕掛けます、そのワナを踏んだキャラクターは一定期間動けません"},
    {U"ゴムでビヨーン", 400,  // 11
     U"ワナを仕掛けます、そのワナを踏んだキャラクターは一定期間ゴムにつかまります、ビヨーンとのびます"},
    {U"地雷", 500,  // 12
     U"ワナを仕掛けます、そのワナを踏んだキャラクターとそのとき近くにいたキャラクターは吹っ飛び、一定期間動けなくなります"},
    {U"球体", 550,  // 13
     U"球体(障害物)を置き、ボールはそれに当たるとはね返ります、はね返り方は不自然なときもありますが、あんまり気にしないでください"},
    {U"ボール逆打ち", 700,  // 14
     U"ワナを仕掛けます、そのワナを踏んだキャラクターは一定期間ボールを逆の方向に飛ばしてしまいます"},
    {U"地震", 450,  // 15
     U"地震を起こします、すべてのキャラクターとボールが揺れます"},
    {U"停電", 550,  // 16
     U"停電が起きて真っ暗になります、ボールが見えなくなるのでボールがある方向に進めません、だから、勝ってる時の時間稼ぎとかにも使えます"},
    {U"木を隠すなら森", 600,  // 17
     U"にせもののボールがいっぱい出てきて、どれが本物かわからなくなります、時間稼ぎとかに使えたりします"},
    {U"ボールリモコン", 750,  // 18
     U"ボールを一定期間、自由に動かせるようになります、動かし方は基本的に前衛と同じです、今まで動かしていたキャラクターは止まってしまいます"},
    {U"おなもみ", 400,  // 19
     U"前衛にボールがぶつかったときにボールが飛ばずに一定期間くっつきます"},
    {U"オーバードライブ", 750,  // 20
     U"前衛・後衛、両方の最高速度が上がります、試合終了まで続くので使うんなら早めのほうがいいかもしれないです"},
    {U"小回り楽々", 400,  // 21
     U"前衛が向きたい方にすばやく方向を変化できます、試合終了まで続くので使うんなら早めのほうがいいかもしれないです"},
    {U"はじめの一歩", 500,  // 22
     U"前衛・後衛、両方がすぐ走りすぐ止まるようになります、つまり加速度が上昇します、試合終了まで続くので使うんなら早めのほうがいいかもしれないです"},
    {U"マッスルボディ", 500,  // 23
     U"前衛・後衛、両方のボールを打つ強さが上がります、試合終了まで続くので使うんなら早めのほうがいいかもしれないです"},
    {U"後ろに目", 500,  // 24
     U"後衛を選択したときに、前衛が必ず相手ゴールの方向にボールを飛ばしてくれます、自殺点をされるイラつきから開放されます、試合終了まで続くので使うんなら早めのほうがいいかもしれないです、前衛を選択したときは意味がないです"},
    {U"キャタピラ", 500,  // 25
     U"動きが地形に依存しなくなります、つまり水・砂・氷でもフツーに動けます、試合終了まで続くので使うんなら早めのほうがいいかもしれないです"},
};
// clang-format on

struct ScheduleEntry {
  int cast;
  const char32_t* schedule;
};

// Two digits per step of a match; "00" plays nothing at that step. The
// final pair (casts 2 and 3) and the hero's side play no items.
constexpr ScheduleEntry kSchedules[] = {
    {4, U"00000100120001"},             // 優雅
    {5, U"0000130019001300"},           // ベッカー
    {6, U"0010001000000019"},           // トゥーミー
    {7, U"0000001100110900110009"},     // タケ
    {8, U"05060005060505"},             // 先輩
    {9, U"05060811070911"},             // 信念
    {10, U"000014001400"},              // エリー
    {11, U"0000000007"},                // 本質
    {12, U"000800080008000815"},        // ジディー
    {13, U"150015"},                    // ウィー団子
    {14, U"10001500150015"},            // 犬ラ
    {15, U"17001100110011"},            // インビ
    {16, U"1414061400"},                // ぴーす
    {17, U"000913000013000913000013"},  // 後輩
    {18, U"050005"},                    // カツオドリ
    {19, U"020017000417"},              // タキシード
    {20, U"1907070007"},                // 雑亀
    {21, U"1608080008"},                // どくろ
};

}  // namespace

void initComputerItemSchedules(GameState& gs) {
  for (auto& s : gs.ComputerItemSchedule) s.clear();
  for (const ScheduleEntry& e : kSchedules) gs.ComputerItemSchedule[e.cast] = e.schedule;
}

void initItemCatalogue(GameState& gs) {
  // The words in the game's language ("item.07.name" in the catalogues); the
  // prices are the table's.
  for (int i = 0; i < kItemCount; ++i) {
    const std::string key = std::string("item.") + char('0' + i / 10) + char('0' + i % 10);
    gs.itemName[i] = Translated(gs.language, (key + ".name").c_str(), kItems[i].name);
    gs.itemPrice[i] = kItems[i].price;
    gs.itemDescription[i] =
        Translated(gs.language, (key + ".description").c_str(), kItems[i].description);
  }
}

}  // namespace moki
