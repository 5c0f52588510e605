// The item catalogue the seller sells from, and the item schedules the
// computer opponents play during a match.
#include "story/item_catalogue.h"

#include <string>

#include "story/language.h"
#include "story/marked_text.h"

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
    // TRANSLATORS: Item 0: its name. Santa sells by name alone.
    {JT("item.00.name", U"何もなし"), 0,  // 0
     // TRANSLATORS: Item 0: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.00.description", U"うん、これは文字通り何もなし")},
    // TRANSLATORS: Item 1: its name. Santa sells by name alone.
    {JT("item.01.name", U"東風"), 100,  // 1
     // TRANSLATORS: Item 1: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.01.description", U"東から風が吹いて、前衛とボールが左のほうに動きます")},
    // TRANSLATORS: Item 2: its name. Santa sells by name alone.
    {JT("item.02.name", U"北風"), 150,  // 2
     // TRANSLATORS: Item 2: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.02.description", U"北から風が吹いて、前衛とボールが下のほうに動きます")},
    // TRANSLATORS: Item 3: its name. Santa sells by name alone.
    {JT("item.03.name", U"西風"), 200,  // 3
     // TRANSLATORS: Item 3: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.03.description", U"西から風が吹いて、前衛とボールが右のほうに動きます")},
    // TRANSLATORS: Item 4: its name. Santa sells by name alone.
    {JT("item.04.name", U"南風"), 150,  // 4
     // TRANSLATORS: Item 4: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.04.description", U"南から風が吹いて、前衛とボールが上のほうに動きます")},
    // TRANSLATORS: Item 5: its name. Santa sells by name alone.
    {JT("item.05.name", U"きままな風"), 150,  // 5
     // TRANSLATORS: Item 5: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.05.description", U"東西南北いずれかの方向から風が吹いて、前衛とボールが動きます")},
    // TRANSLATORS: Item 6: its name. Santa sells by name alone.
    {JT("item.06.name", U"緑化"), 300,  // 6
     // TRANSLATORS: Item 6: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.06.description", U"前衛のまわり５×５マスを平原に変えます")},
    // TRANSLATORS: Item 7: its name. Santa sells by name alone.
    {JT("item.07.name", U"洪水"), 300,  // 7
     // TRANSLATORS: Item 7: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.07.description", U"前衛のまわり５×５マスを水に変えます")},
    // TRANSLATORS: Item 8: its name. Santa sells by name alone.
    {JT("item.08.name", U"砂漠化"), 300,  // 8
     // TRANSLATORS: Item 8: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.08.description", U"前衛のまわり５×５マスを砂漠に変えます")},
    // TRANSLATORS: Item 9: its name. Santa sells by name alone.
    {JT("item.09.name", U"冷凍"), 300,  // 9
     // TRANSLATORS: Item 9: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.09.description", U"前衛のまわり５×５マスを氷に変えます")},
    // TRANSLATORS: Item 10: its name. Santa sells by name alone.
    {JT("item.10.name", U"ねずみ捕り"), 400,  // 10
     // TRANSLATORS: Item 10: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.10.description", U"ワナを仕掛けます、そのワナを踏んだキャラクターは一定期間動けません")},
    // TRANSLATORS: Item 11: its name. Santa sells by name alone.
    {JT("item.11.name", U"ゴムでビヨーン"), 400,  // 11
     // TRANSLATORS: Item 11: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.11.description", U"ワナを仕掛けます、そのワナを踏んだキャラクターは一定期間ゴムにつかまります、ビヨーンとのびます")},
    // TRANSLATORS: Item 12: its name. Santa sells by name alone.
    {JT("item.12.name", U"地雷"), 500,  // 12
     // TRANSLATORS: Item 12: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.12.description", U"ワナを仕掛けます、そのワナを踏んだキャラクターとそのとき近くにいたキャラクターは吹っ飛び、一定期間動けなくなります")},
    // TRANSLATORS: Item 13: its name. Santa sells by name alone.
    {JT("item.13.name", U"球体"), 550,  // 13
     // TRANSLATORS: Item 13: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.13.description", U"球体(障害物)を置き、ボールはそれに当たるとはね返ります、はね返り方は不自然なときもありますが、あんまり気にしないでください")},
    // TRANSLATORS: Item 14: its name. Santa sells by name alone.
    {JT("item.14.name", U"ボール逆打ち"), 700,  // 14
     // TRANSLATORS: Item 14: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.14.description", U"ワナを仕掛けます、そのワナを踏んだキャラクターは一定期間ボールを逆の方向に飛ばしてしまいます")},
    // TRANSLATORS: Item 15: its name. Santa sells by name alone.
    {JT("item.15.name", U"地震"), 450,  // 15
     // TRANSLATORS: Item 15: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.15.description", U"地震を起こします、すべてのキャラクターとボールが揺れます")},
    // TRANSLATORS: Item 16: its name. Santa sells by name alone.
    {JT("item.16.name", U"停電"), 550,  // 16
     // TRANSLATORS: Item 16: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.16.description", U"停電が起きて真っ暗になります、ボールが見えなくなるのでボールがある方向に進めません、だから、勝ってる時の時間稼ぎとかにも使えます")},
    // TRANSLATORS: Item 17: its name. Santa sells by name alone.
    {JT("item.17.name", U"木を隠すなら森"), 600,  // 17
     // TRANSLATORS: Item 17: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.17.description", U"にせもののボールがいっぱい出てきて、どれが本物かわからなくなります、時間稼ぎとかに使えたりします")},
    // TRANSLATORS: Item 18: its name. Santa sells by name alone.
    {JT("item.18.name", U"ボールリモコン"), 750,  // 18
     // TRANSLATORS: Item 18: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.18.description", U"ボールを一定期間、自由に動かせるようになります、動かし方は基本的に前衛と同じです、今まで動かしていたキャラクターは止まってしまいます")},
    // TRANSLATORS: Item 19: its name. Santa sells by name alone.
    {JT("item.19.name", U"おなもみ"), 400,  // 19
     // TRANSLATORS: Item 19: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.19.description", U"前衛にボールがぶつかったときにボールが飛ばずに一定期間くっつきます")},
    // TRANSLATORS: Item 20: its name. Santa sells by name alone.
    {JT("item.20.name", U"オーバードライブ"), 750,  // 20
     // TRANSLATORS: Item 20: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.20.description", U"前衛・後衛、両方の最高速度が上がります、試合終了まで続くので使うんなら早めのほうがいいかもしれないです")},
    // TRANSLATORS: Item 21: its name. Santa sells by name alone.
    {JT("item.21.name", U"小回り楽々"), 400,  // 21
     // TRANSLATORS: Item 21: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.21.description", U"前衛が向きたい方にすばやく方向を変化できます、試合終了まで続くので使うんなら早めのほうがいいかもしれないです")},
    // TRANSLATORS: Item 22: its name. Santa sells by name alone.
    {JT("item.22.name", U"はじめの一歩"), 500,  // 22
     // TRANSLATORS: Item 22: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.22.description", U"前衛・後衛、両方がすぐ走りすぐ止まるようになります、つまり加速度が上昇します、試合終了まで続くので使うんなら早めのほうがいいかもしれないです")},
    // TRANSLATORS: Item 23: its name. Santa sells by name alone.
    {JT("item.23.name", U"マッスルボディ"), 500,  // 23
     // TRANSLATORS: Item 23: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.23.description", U"前衛・後衛、両方のボールを打つ強さが上がります、試合終了まで続くので使うんなら早めのほうがいいかもしれないです")},
    // TRANSLATORS: Item 24: its name. Santa sells by name alone.
    {JT("item.24.name", U"後ろに目"), 500,  // 24
     // TRANSLATORS: Item 24: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.24.description", U"後衛を選択したときに、前衛が必ず相手ゴールの方向にボールを飛ばしてくれます、自殺点をされるイラつきから開放されます、試合終了まで続くので使うんなら早めのほうがいいかもしれないです、前衛を選択したときは意味がないです")},
    // TRANSLATORS: Item 25: its name. Santa sells by name alone.
    {JT("item.25.name", U"キャタピラ"), 500,  // 25
     // TRANSLATORS: Item 25: its explanation, read when Santa sells it and when Peace explains it.
     JT("item.25.description", U"動きが地形に依存しなくなります、つまり水・砂・氷でもフツーに動けます、試合終了まで続くので使うんなら早めのほうがいいかもしれないです")},
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
