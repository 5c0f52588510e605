// Every Japanese text outside the scripts and the item catalogue, by key: the
// cast's names, the words the script codes write, the screens, the result
// box, the title's help, the words of the window's controls, the key screen
// and what the player is told of the save. The keys are the catalogues'
// (po/mokimoki.pot), where every other language finds these texts.
//
// A fill-in is written "{name}": the code that shows the text says what
// each name stands for.
#include "story/catalogue.h"
#include "story/marked_text.h"

namespace moki {

// clang-format off
const JapaneseText kJapaneseTexts[] = {
    // TRANSLATORS: A name: the hero.
    J("name.kua", U"くあ"),
    // TRANSLATORS: A name: the hero's partner, who talks him into the tournament.
    J("name.mokimoki", U"モキモキ"),
    // TRANSLATORS: A name: the receptionist of the tournament.
    J("name.receptionist", U"受付"),
    // TRANSLATORS: A name: the item seller.
    J("name.santa", U"サンタ"),
    // TRANSLATORS: A name: 優雅 'elegance': the queen of the hall.
    J("name.yuuga", U"優雅"),
    // TRANSLATORS: A name: a league player.
    J("name.becker", U"ベッカー"),
    // TRANSLATORS: A name: a league player in a coat and bandages; nobody can see him in a match
    // (透明 'transparent', like his partner インビ 'invisible').
    J("name.toomey", U"トゥーミー"),
    // TRANSLATORS: A name: a league player (タケ: bamboo, a short name).
    J("name.take", U"タケ"),
    // TRANSLATORS: A name: 先輩: a senior; he plays with his junior 後輩.
    J("name.senpai", U"先輩"),
    // TRANSLATORS: A name: 信念 'conviction': a league player.
    J("name.shinnen", U"信念"),
    // TRANSLATORS: A name: heir of an old house.
    J("name.ellie", U"エリー"),
    // TRANSLATORS: A name: 本質 'essence': a league player.
    J("name.honshitsu", U"本質"),
    // TRANSLATORS: A name: a league player.
    J("name.jiddy", U"ジディー"),
    // TRANSLATORS: A name: ウィー団子 'wee dumpling': 優雅's teammate.
    J("name.wee-dango", U"ウィー団子"),
    // TRANSLATORS: A name: 犬ラ: a dog.
    J("name.inura", U"犬ラ"),
    // TRANSLATORS: A name: インビ: invisible in matches ('invisible').
    J("name.invi", U"インビ"),
    // TRANSLATORS: A name: ぴーす: explains the items.
    J("name.peace", U"ぴーす"),
    // TRANSLATORS: A name: 後輩: a junior; he plays with his senior 先輩.
    J("name.kouhai", U"後輩"),
    // TRANSLATORS: A name: カツオドリ: a booby (the sea bird).
    J("name.katsuodori", U"カツオドリ"),
    // TRANSLATORS: A name: タキシード: explains the rules.
    J("name.tuxedo", U"タキシード"),
    // TRANSLATORS: A name: 雑亀 'common turtle': a league player.
    J("name.zatsugame", U"雑亀"),
    // TRANSLATORS: A name: どくろ 'skull': a league player.
    J("name.dokuro", U"どくろ"),
    // TRANSLATORS: Typed after a line break in the speeches of everyone but the receptionist,
    // Santa, Tuxedo and the bear rooms' host: the indent under the speaker's name.
    J("line-indent", U"\u3000\u3000\u3000\u3000\u3000"),
    // TRANSLATORS: Written by #O in the receptionist's lines: the day's opponent. {rank} their
    // place in the ranking, {ordinal} the same as 1st, 2nd, ...; {name} the pair's names (see
    // code.pair).
    J("code.opponent", U"{rank}位の{name}"),
    // TRANSLATORS: A team of two, as #O and the ranking write it: {first} and {second} are names.
    J("code.pair", U"{first}と{second}"),
    // TRANSLATORS: Written by #XP in Peace's explanations: {item} the item's name, {explanation}
    // its explanation.
    J("code.item-explained", U"「{item}」か、これは{explanation}"),
    // TRANSLATORS: The bear rooms' host hands over an ability; the status screen names it.
    J("ability.dash.name", U"ダッシュ"),
    // TRANSLATORS: The bear rooms' host hands over an ability; the status screen names it.
    J("ability.nice-pass.name", U"ナイスパス"),
    // TRANSLATORS: The bear rooms' host hands over an ability; the status screen names it.
    J("ability.self-destruct.name", U"自爆"),
    // TRANSLATORS: The bear rooms' host hands over an ability; the status screen names it.
    J("ability.dash.text", U"「ダッシュ」は、カーソルキーの\u3000上と下を同時に押すと、前衛の速度を\u3000一気に\u3000上げられます、これは何度使っても\u3000なくなりません"),
    // TRANSLATORS: The bear rooms' host hands over an ability; the status screen names it.
    J("ability.nice-pass.text", U"「ナイスパス」は、前衛を選んだときに、後衛が自分のいる方向に\u3000ボールを飛ばしてくれます"),
    // TRANSLATORS: The bear rooms' host hands over an ability; the status screen names it.
    J("ability.self-destruct.text", U"「自爆」は、これを使うともう全部・・・\u3000\u3000上下左右のすべてのカーソルキーを同時に押すと使えます、１度しか使えないので、「ここぞ」というときに使うことをお勧めします"),
    // TRANSLATORS: The ranking screen: the label before a team's names; pad it as the others so
    // the names line up.
    J("ranking.place.1", U"１位\u3000\u3000\u3000"),
    // TRANSLATORS: The ranking screen: the label before a team's names; pad it as the others so
    // the names line up.
    J("ranking.place.2", U"２位\u3000\u3000\u3000"),
    // TRANSLATORS: The ranking screen: the label before a team's names; pad it as the others so
    // the names line up.
    J("ranking.place.3", U"３位\u3000\u3000\u3000"),
    // TRANSLATORS: The ranking screen: the label before a team's names; pad it as the others so
    // the names line up.
    J("ranking.place.4", U"４位\u3000\u3000\u3000"),
    // TRANSLATORS: The ranking screen: the label before a team's names; pad it as the others so
    // the names line up.
    J("ranking.place.5", U"５位\u3000\u3000\u3000"),
    // TRANSLATORS: The ranking screen: the label before a team's names; pad it as the others so
    // the names line up.
    J("ranking.place.6", U"６位\u3000\u3000\u3000"),
    // TRANSLATORS: The ranking screen: the label before a team's names; pad it as the others so
    // the names line up.
    J("ranking.place.7", U"７位\u3000\u3000\u3000"),
    // TRANSLATORS: The ranking screen: the label before a team's names; pad it as the others so
    // the names line up.
    J("ranking.place.8", U"８位\u3000\u3000\u3000"),
    // TRANSLATORS: The ranking screen: the label before a team's names; pad it as the others so
    // the names line up.
    J("ranking.place.9", U"９位\u3000\u3000\u3000"),
    // TRANSLATORS: The ranking screen: the label before a team's names; pad it as the others so
    // the names line up.
    J("ranking.place.10", U"１０位\u3000\u3000"),
    // TRANSLATORS: The ranking screen: a team's wins and losses.
    J("ranking.record", U"{wins}勝{losses}敗"),
    // TRANSLATORS: The status screen (Ctrl): the match-day.
    J("status.match-day", U"第{day}節"),
    // TRANSLATORS: The status screen: the course chosen at the start.
    J("status.motivated-mode", U"やる気ありモード"),
    // TRANSLATORS: The status screen: the easy course, chosen by not wanting to do one's best.
    J("status.easy-mode", U"やる気なしモード"),
    // TRANSLATORS: The status screen: the money (ドール, dolls, the game's currency).
    J("status.money", U"{money} ドール"),
    // TRANSLATORS: The status screen: one line per item key. {key} the key (status.key.*), {item}
    // the item's name, {count} how many are left.
    J("status.item-line", U"{key}{item}\u3000\u3000{count}個"),
    // TRANSLATORS: The status screen: the line of an item key with no item on it. {key} the key
    // (status.key.*), {item} and {count} as in status.item-line (the Japanese shows them).
    J("status.item-none", U"{key}{item}\u3000\u3000{count}個"),
    // TRANSLATORS: The status screen: the item key's label before the item's name.
    J("status.key.z", U"Ｚ\u3000"),
    // TRANSLATORS: The status screen: the item key's label before the item's name.
    J("status.key.x", U"Ｘ\u3000"),
    // TRANSLATORS: The status screen: the item key's label before the item's name.
    J("status.key.c", U"Ｃ\u3000"),
    // TRANSLATORS: The caption of the result box after a match.
    J("result.draw", U"\u3000同点延長"),
    // TRANSLATORS: The caption of the result box after a match.
    J("result.win", U"\u3000勝ち"),
    // TRANSLATORS: The caption of the result box after a match.
    J("result.loss", U"\u3000負け"),
    // TRANSLATORS: The title screen's help, one line of four.
    J("title.help.1", U"カーソルキーで「キャラクター移動」"),
    // TRANSLATORS: The title screen's help, one line of four.
    J("title.help.2", U"スペースキーで「話す」・「決定」"),
    // TRANSLATORS: The title screen's help, one line of four.
    J("title.help.3", U"コントロールキーで「ステータス表示」"),
    // TRANSLATORS: The title screen's help, one line of four.
    J("title.help.4", U"シフトキーを押しながらカーソルキーで速く移動"),
    // TRANSLATORS: The line at the top of the field in a match: {time} the counts left, {home} and
    // {away} the names of the two teams' first players, {homescore} and {awayscore} the score.
    J("match.line", U"   -TIME {time}-       {home} {homescore}-{awayscore} {away}"),
    // TRANSLATORS: The title screen's help in full screen, where the menu bar is hidden: the fifth
    // line, how to open the menu.
    J("title.help.menu", U"Ａｌｔキーでメニュー"),
    // TRANSLATORS: The window's caption.
    J("ui.caption", U"大会にモキモキ"),
    // TRANSLATORS: The window's menu; & marks the access key.
    J("ui.menu-file", U"ファイル(&F)"),
    // TRANSLATORS: The window's menu; & marks the access key.
    J("ui.menu-start", U"スタート(&S)"),
    // TRANSLATORS: The window's menu; & marks the access key.
    J("ui.menu-continue", U"つづきから(&C)"),
    // TRANSLATORS: The window's menu; & marks the access key.
    J("ui.menu-quit", U"終了(&X)"),
    // TRANSLATORS: The window's menu; & marks the access key.
    J("ui.menu-settings", U"設定(&O)"),
    // TRANSLATORS: The window's menu; & marks the access key.
    J("ui.menu-keys", U"キー設定(&K)"),
    // TRANSLATORS: The language menu, in this language's words; & marks the access key.
    J("ui.language.ja", U"日本語(&J)"),
    // TRANSLATORS: The language menu, in this language's words; & marks the access key.
    J("ui.language.en", U"English(&E)"),
    // TRANSLATORS: This language's own name, as the language menu shows it while another language
    // is in use; & marks the access key.
    J("ui.this-language", U"日本語(&J)"),
    // TRANSLATORS: The yes/no pictures and the result box's button.
    J("ui.ok", U"OK"),
    // TRANSLATORS: The yes/no pictures of a question in a talk, and the buttons of a box that asks.
    J("ui.yes", U"はい"),
    // TRANSLATORS: The yes/no pictures of a question in a talk, and the buttons of a box that asks.
    J("ui.no", U"いいえ"),
    // TRANSLATORS: The key screen.
    J("keys.title", U"キー設定"),
    // TRANSLATORS: The key screen: a game key's label.
    J("keys.label.left", U"左"),
    // TRANSLATORS: The key screen: a game key's label.
    J("keys.label.up", U"上"),
    // TRANSLATORS: The key screen: a game key's label.
    J("keys.label.right", U"右"),
    // TRANSLATORS: The key screen: a game key's label.
    J("keys.label.down", U"下"),
    // TRANSLATORS: The key screen: a game key's label.
    J("keys.label.space", U"スペース"),
    // TRANSLATORS: The key screen: a game key's label.
    J("keys.label.shift", U"シフト"),
    // TRANSLATORS: The key screen: a game key's label.
    J("keys.label.ctrl", U"コントロール"),
    // TRANSLATORS: The key screen: a game key's label.
    J("keys.label.z", U"Ｚ"),
    // TRANSLATORS: The key screen: a game key's label.
    J("keys.label.x", U"Ｘ"),
    // TRANSLATORS: The key screen: a game key's label.
    J("keys.label.c", U"Ｃ"),
    // TRANSLATORS: The key screen: what the game key does.
    J("keys.action.left", U"左へ歩く・左に曲がる"),
    // TRANSLATORS: The key screen: what the game key does.
    J("keys.action.up", U"上へ歩く・速く・「はい」"),
    // TRANSLATORS: The key screen: what the game key does.
    J("keys.action.right", U"右へ歩く・右に曲がる"),
    // TRANSLATORS: The key screen: what the game key does.
    J("keys.action.down", U"下へ歩く・ブレーキ・「いいえ」"),
    // TRANSLATORS: The key screen: what the game key does.
    J("keys.action.space", U"話す・決定"),
    // TRANSLATORS: The key screen: what the game key does.
    J("keys.action.shift", U"押しながら速く動く"),
    // TRANSLATORS: The key screen: what the game key does.
    J("keys.action.ctrl", U"ステータス表示（一時停止）"),
    // TRANSLATORS: The key screen: what the game key does.
    J("keys.action.z", U"Ｚのアイテムを使う"),
    // TRANSLATORS: The key screen: what the game key does.
    J("keys.action.x", U"Ｘのアイテムを使う"),
    // TRANSLATORS: The key screen: what the game key does.
    J("keys.action.c", U"Ｃのアイテムを使う"),
    // TRANSLATORS: The key screen.
    J("keys.help", U"↑↓で選んでスペース、新しいキーを押す\u3000Escで戻る"),
    // TRANSLATORS: The key screen: {key} a game key's label (keys.label.*).
    J("keys.waiting", U"「{key}」の新しいキーを押してください"),
    // TRANSLATORS: The key screen: {key} a game key's label, {name} the keyboard key's name.
    J("keys.changed", U"「{key}」を {name} にしました"),
    // TRANSLATORS: The key screen: {key} a game key's label, {name} the keyboard key's name.
    J("keys.not-saved", U"「{key}」を {name} にしました（設定ファイルに書けませんでした）"),
    // TRANSLATORS: The key screen.
    J("keys.unchanged", U"そのままにしました"),
    // TRANSLATORS: The key screen: {name} a keyboard key's name, {other} the label of the game key
    // that has it.
    J("keys.taken", U"{name} は「{other}」で使っています"),
    // TRANSLATORS: The key screen: {name} a keyboard key's name.
    J("keys.reserved", U"{name} は使えません"),
    // TRANSLATORS: The key screen.
    J("keys.escape", U"Escでそのままにします"),
    // TRANSLATORS: The key screen.
    J("keys.press-another", U"ほかのキーを押してください\u3000Escでそのままにします"),
    // TRANSLATORS: The key screen: shown in place of a game key's keys while the new one is
    // awaited.
    J("keys.waiting-mark", U"？"),
    // TRANSLATORS: The caption of the boxes about the save.
    J("save.caption", U"大会にモキモキ"),
    // TRANSLATORS: A box about the save.
    J("save.cannot-read", U"セーブデータを読めませんでした。"),
    // TRANSLATORS: Last line of the box about a save that cannot be used: {file} the name the file
    // was kept under.
    J("save.kept-as-bad", U"このファイルは {file} として残しました。"),
    // TRANSLATORS: ... when it could not be set aside: {file} the name it was to be kept under,
    // {why} the system's reason.
    J("save.not-kept", U"このファイルを {file} として残せませんでした（{why}）。"),
    // TRANSLATORS: A box about the save.
    J("save.no-save", U"セーブデータが見つかりませんでした。"),
    // TRANSLATORS: {why} the system's reason.
    J("save.cannot-write", U"ゲームを保存できませんでした（{why}）。"),
    // TRANSLATORS: A box about the save.
    J("save.empty", U"ファイルが空です。"),
    // TRANSLATORS: A box about the save.
    J("save.cut-off", U"データが途中で切れています。"),
    // TRANSLATORS: {byte} where in the file (a number).
    J("save.damaged", U"データがこわれています（{byte} バイト目）。"),
    // TRANSLATORS: A box about the save.
    J("save.too-big", U"ファイルが大きすぎます。"),
    // TRANSLATORS: A box about the save.
    J("save.not-a-save", U"このゲームのセーブデータではありません。"),
    // TRANSLATORS: {version} the save's version (a number).
    J("save.newer", U"新しい版のゲームで作られたセーブデータです（版 {version}）。"),
    // TRANSLATORS: {part} one of save.part.*.
    J("save.missing", U"セーブデータに{part}がありません。"),
    // TRANSLATORS: {part} one of save.part.*.
    J("save.wrong-value", U"セーブデータの{part}が正しくありません。"),
    // TRANSLATORS: A box about the save.
    J("save.unknown", U"このゲームの知らないデータが入っています。"),
    // TRANSLATORS: {why} the system's reason.
    J("save.unreadable", U"ファイルとして読めません（{why}）。"),
    // TRANSLATORS: Filled into save.missing and save.wrong-value.
    J("save.part.money", U"所持金"),
    // TRANSLATORS: A part of the save, filled into save.missing and save.wrong-value.
    J("save.part.league", U"リーグ戦の成績"),
    // TRANSLATORS: A part of the save, filled into save.missing and save.wrong-value.
    J("save.part.items", U"アイテム"),
    // TRANSLATORS: A part of the save, filled into save.missing and save.wrong-value.
    J("save.part.story", U"話の進み具合"),
    // TRANSLATORS: A part of the save, filled into save.missing and save.wrong-value.
    J("save.part.places", U"みんなの居場所"),
    // TRANSLATORS: At start, when another copy of the game is already playing on the same save.
    J("save.in-use", U"このセーブデータは、ほかに開いているモキモキが使っています。このウィンドウでは保存しません。"),
    // TRANSLATORS: {part} one of save.part.*: a value the save holds twice.
    J("save.repeated", U"セーブデータの{part}が二度書かれています。"),
    // TRANSLATORS: {file} the save's file name: why a save could not be read, kept or written (filled into {why}).
    J("save.why.not-plain", U"{file} はふつうのファイルではないので、さわらずにそのままにしてあります"),
    // TRANSLATORS: {file} the save's file name: filled into {why}.
    J("save.why.read-only", U"{file} は書きこめないファイルなので、そのままにしてあります"),
    // TRANSLATORS: Filled into {why}.
    J("save.why.in-use", U"ほかに開いているモキモキがこのセーブデータを使っています"),
    // TRANSLATORS: {file} the save's file name: filled into {why}.
    J("save.why.all-bad-taken", U"{file}.bad から {file}.bad.10 までが全部うまっています"),
    // TRANSLATORS: Filled into {why}.
    J("save.why.no-space", U"ディスクがいっぱいです"),
    // TRANSLATORS: Filled into {why}.
    J("save.why.no-permission", U"このファイルをあつかう許可がありません"),
    // TRANSLATORS: Filled into {why}.
    J("save.why.not-folder", U"フォルダーのあるはずの所にファイルがあります"),
    // TRANSLATORS: Last line of the box about a save that could not be set aside: {file} the save's file name.
    J("save.not-saved-over", U"{file} はそのまま残してあります。{file}.bad から {file}.bad.10 までのどれかを片付けるか、{file} をほかへ移すまで、このセーブデータの上には保存しません。"),
    // TRANSLATORS: Last line of the box about a save made by a newer version of the game.
    J("save.newer-kept", U"このファイルはそのまま残してあります。新しい版のゲームなら、つづきから遊べます。"),
    // TRANSLATORS: At Start, when the save was made by a newer version of the game: {version} its version (a number). A question: the box's buttons are ui.yes and ui.no.
    J("save.start-over-newer", U"いまのセーブデータは新しい版のゲームで作られたものです（版 {version}）。最初からはじめると、次に保存するときにそのデータの上に保存してしまいます。それでも最初からはじめますか？"),
    // TRANSLATORS: The menu Options: how the picture is enlarged; & marks the access key.
    J("ui.scaling-whole", U"整数倍で表示(&W)"),
    // TRANSLATORS: The menu Options: how the picture is enlarged; & marks the access key.
    J("ui.scaling-fit", U"画面に合わせて表示(&F)"),
    // TRANSLATORS: The menu Help's title; & marks the access key.
    J("ui.menu-help", U"ヘルプ(&H)"),
    // TRANSLATORS: The menu Help: writes the recording of the session so far into a file for a fault report; & marks the access key.
    J("ui.menu-report", U"不具合の報告(&R)"),
    // TRANSLATORS: The menu Help, where the desktop can open folders: opens the folder of the sessions' recordings; & marks the access key.
    J("ui.menu-open-folder", U"記録のフォルダを開く(&O)"),
    // TRANSLATORS: At start, once, when the last session was killed, crashed or lost its display; {file} the whole path of its recording.
    J("report.unclean", U"前回のモキモキは、ちゃんと終わらないまま止まってしまったみたいです。そのときの記録はここにあります。\n{file}\n不具合を知らせるときは、このファイルを添えてください。"),
    // TRANSLATORS: After Help, Report a fault; {file} the whole path of the file written, {version} the game's version.
    J("report.written", U"ここまでの記録を、不具合の報告用に保存しました。\n{file}\n報告にはこのファイルを添えてください（ゲームの版 {version}）。"),
    // TRANSLATORS: Added to report.written where the desktop can open folders; names the menu Help and its item ui.menu-open-folder.
    J("report.open-folder", U"フォルダは「ヘルプ」の「記録のフォルダを開く」で開けます。"),
    // TRANSLATORS: After Help, Report a fault, when the session is not recorded; [recording] keep is a line of the settings file, kept as it is.
    J("report.not-recorded", U"このセッションは記録していないので、報告用のファイルは作れません（設定ファイルの [recording] keep が 0 か、記録を書き込めませんでした）。"),
    // TRANSLATORS: After Help, Report a fault, when the file cannot be written; {why} the system's reason, in English.
    J("report.failed", U"報告用のファイルを書き込めませんでした（{why}）。"),
    // TRANSLATORS: The title screen's help when a controller was pressed last, one line of five:
    // {space}, {ctrl} and {shift} are the buttons of Space, Ctrl and Shift.
    J("pad.title.help.1", U"十字ボタンかスティックで「キャラクター移動」"),
    // TRANSLATORS: The title screen's help when a controller was pressed last, one line of five:
    // {space}, {ctrl} and {shift} are the buttons of Space, Ctrl and Shift.
    J("pad.title.help.2", U"{space}で「話す」・「決定」"),
    // TRANSLATORS: The title screen's help when a controller was pressed last, one line of five:
    // {space}, {ctrl} and {shift} are the buttons of Space, Ctrl and Shift.
    J("pad.title.help.3", U"{ctrl}で「ステータス表示」"),
    // TRANSLATORS: The title screen's help when a controller was pressed last, one line of five:
    // {space}, {ctrl} and {shift} are the buttons of Space, Ctrl and Shift.
    J("pad.title.help.4", U"{shift}を押しながら十字ボタンで速く移動"),
    // TRANSLATORS: The title screen's help when a controller was pressed last, one line of five:
    // {space}, {ctrl} and {shift} are the buttons of Space, Ctrl and Shift.
    J("pad.title.help.5", U"ここではStartかＡで、どこでもBackでメニュー"),
    // TRANSLATORS: The key screen when a controller was pressed last; {key} a game key's label.
    J("pad.keys.keyboard", U"キーボード"),
    // TRANSLATORS: The key screen when a controller was pressed last; {key} a game key's label.
    J("pad.keys.controller", U"コントローラー"),
    // TRANSLATORS: The key screen when a controller was pressed last; {key} a game key's label.
    J("pad.keys.help", U"↑↓で選び←→で列を変えてＡ、新しいボタンを押す　Ｂで戻る"),
    // TRANSLATORS: The key screen when a controller was pressed last; {key} a game key's label.
    J("pad.keys.waiting", U"「{key}」の新しいボタンを押してください"),
    // TRANSLATORS: The key screen when a controller was pressed last; {key} a game key's label.
    J("pad.keys.escape", U"Backでそのままにします"),
    // TRANSLATORS: The key screen when a controller was pressed last; {key} a game key's label.
    J("pad.keys.press-another", U"ほかのボタンを押してください　Backでそのままにします"),
};
// clang-format on

const size_t kJapaneseTextCount = sizeof kJapaneseTexts / sizeof kJapaneseTexts[0];

}  // namespace moki
