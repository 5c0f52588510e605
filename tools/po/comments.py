"""What a translator is told above each text of the template: who speaks it
and where the player reads it."""

HALL = "in the tournament hall"
ROOM0 = "in the side room off the hall"

SCRIPTS = {
    "opening": "モキモキ (Mokimoki, the hero's partner) to くあ (Kua, the hero), at the start of a "
    "new game. The answer picks the course: with motivation (#Y1) or the easy course (#Y0).",
    "reception-league": "受付 (the receptionist) at the reception desk " + HALL + ", during the "
    "league: the ranking, the day's opponent, the role (forward, back or manager) and the booking.",
    "reception-final": "受付 (the receptionist), and サンタ (Santa) beside her, at the reception "
    "desk after the league: the prize, the final against the two of them, the end of the season.",
    "reception-champion": "受付 (the receptionist) after the final: the title, the challengers "
    "and the three ways to lose.",
    "seller": "サンタ (Santa) sells the offer of the day at the counter " + HALL + ": the money "
    "check (#C), the key to put the item on (#K) and the payment (#M).",
    "item-explainer": "ぴーす (Peace, who calls himself ピース) " + ROOM0 + " explains the items "
    "on the three keys, one page each.",
    "rules-opening": "タキシード (Tuxedo) " + HALL + " tells the rules of the match, one page at a "
    "time (first part).",
    "rules-rest": "タキシード (Tuxedo) " + HALL + ": the rest of the rules of the match.",
    "bear-host": "The host of the bear rooms (small rooms off the hall): sells a game against his "
    "big brother the bear for 100 dolls, hands over the room's ability, and speaks after a lost "
    "game and after the bear's last defeat.",
    "yuuga-league": "優雅 (Yuuga, 'Elegance'), the queen of the hall, " + HALL + ", during the league.",
    "yuuga-after": "優雅 (Yuuga) after the tournament: she has taken up cooking.",
    "becker": "ベッカー (Becker) " + HALL + ".",
    "two-me": "トゥーミー (Toomey) " + HALL + ": he hides under a coat and bandages; without them "
    "nobody can see him.",
    "take": "タケ (Take) " + ROOM0 + ".",
    "senpai": "先輩 (the senior of a pair) " + HALL + "; he worries about his junior 後輩.",
    "shinnen": "信念 (Shinnen, 'Conviction') " + HALL + ".",
    "elly-league": "エリー (Ellie), heir of an old house, " + HALL + ", during the league; from "
    "entry 3 on he reads his fortune of the day, over and over.",
    "elly-after": "エリー (Ellie) after the tournament.",
    "honshitsu": "本質 (Honshitsu, 'Essence') " + ROOM0 + ".",
    "jiddy": "ジディー (Jiddy) " + ROOM0 + ".",
    "wee-dango": "ウィー団子 (Wee Dango), 優雅's devoted teammate, " + ROOM0 + ".",
    "inura": "犬ラ (Inura), a dog " + HALL + ": he only barks.",
    "invi": "インビ (Invi), トゥーミー's shy partner " + HALL + ", who is invisible in matches; he "
    "speaks only in katakana (a foreign accent).",
    "kouhai": "後輩 (the junior of a pair) " + HALL + "; he worries about his senior 先輩.",
    "katsuodori": "カツオドリ (Katsuodori, a booby bird) " + HALL + ".",
    "zatsugame": "雑亀 (Zatsugame, 'common turtle') " + ROOM0 + ".",
    "dokuro": "どくろ (Dokuro, 'skull') " + ROOM0 + ".",
}

CODES = ("Codes: #, line break (yours to place); #. page end; #?xy yes/no question "
         "(x: yes, y: no); #<letter or digit> a label; everything else after # acts on the "
         "game. Keep every code but #, exactly, in the same order.")

NAMES = {
    "kua": "the hero", "mokimoki": "the hero's partner, who talks him into the tournament",
    "receptionist": "the receptionist of the tournament", "santa": "the item seller",
    "yuuga": "優雅 'elegance': the queen of the hall", "becker": "a league player",
    "toomey": "a league player in a coat and bandages; nobody can see him in a match (透明 'transparent', like his partner インビ 'invisible')",
    "take": "a league player (タケ: bamboo, a short name)",
    "senpai": "先輩: a senior; he plays with his junior 後輩",
    "shinnen": "信念 'conviction': a league player", "ellie": "heir of an old house",
    "honshitsu": "本質 'essence': a league player", "jiddy": "a league player",
    "wee-dango": "ウィー団子 'wee dumpling': 優雅's teammate", "inura": "犬ラ: a dog",
    "invi": "インビ: invisible in matches ('invisible')", "peace": "ぴーす: explains the items",
    "kouhai": "後輩: a junior; he plays with his senior 先輩",
    "katsuodori": "カツオドリ: a booby (the sea bird)", "tuxedo": "タキシード: explains the rules",
    "zatsugame": "雑亀 'common turtle': a league player", "dokuro": "どくろ 'skull': a league player",
}

OTHER = {
    "line-indent": "Typed after a line break in the speeches of everyone but the receptionist, "
    "Santa, Tuxedo and the bear rooms' host: the indent under the speaker's name.",
    "code.opponent": "Written by #O in the receptionist's lines: the day's opponent. {rank} their "
    "place in the ranking, {ordinal} the same as 1st, 2nd, ...; {name} the pair's names (see "
    "code.pair).",
    "code.pair": "A team of two, as #O and the ranking write it: {first} and {second} are names.",
    "code.item-explained": "Written by #XP in Peace's explanations: {item} the item's name, "
    "{explanation} its explanation.",
    "ranking.record": "The ranking screen: a team's wins and losses.",
    "status.match-day": "The status screen (Ctrl): the match-day.",
    "status.motivated-mode": "The status screen: the course chosen at the start.",
    "status.easy-mode": "The status screen: the easy course, chosen by not wanting to do one's best.",
    "status.money": "The status screen: the money (ドール, dolls, the game's currency).",
    "status.item-line": "The status screen: one line per item key. {key} the key (status.key.*), "
    "{item} the item's name, {count} how many are left.",
    "result.draw": "The caption of the result box after a match.",
    "result.win": "The caption of the result box after a match.",
    "result.loss": "The caption of the result box after a match.",
    "ui.caption": "The window's caption.",
    "ui.this-language": "This language's own name, as the language menu shows it while another "
    "language is in use; & marks the access key.",
    "keys.waiting": "The key screen: {key} a game key's label (keys.label.*).",
    "keys.changed": "The key screen: {key} a game key's label, {name} the keyboard key's name.",
    "keys.not-saved": "The key screen: {key} a game key's label, {name} the keyboard key's name.",
    "keys.taken": "The key screen: {name} a keyboard key's name, {other} the label of the game key "
    "that has it.",
    "keys.reserved": "The key screen: {name} a keyboard key's name.",
    "save.caption": "The caption of the boxes about the save.",
    "save.kept-as-bad": "Last line of the box about a save that cannot be used: {file} the name "
    "the file was kept under.",
    "save.not-kept": "... when it could not be set aside: {file} the name it was to be kept "
    "under, {why} the system's reason.",
    "save.cannot-write": "{why} the system's reason.",
    "save.damaged": "{byte} where in the file (a number).",
    "save.newer": "{version} the save's version (a number).",
    "save.missing": "{part} one of save.part.*.",
    "save.wrong-value": "{part} one of save.part.*.",
    "save.unreadable": "{why} the system's reason.",
    "save.repeated": "{part} one of save.part.*: a value the save holds twice.",
    "save.in-use": "At start, when another copy of the game is already playing on the same save.",
    "save.why.not-plain": "{file} the save's file name: why a save could not be read, kept or written (filled into {why}).",
    "save.why.read-only": "{file} the save's file name: filled into {why}.",
    "save.why.in-use": "Filled into {why}.",
    "save.why.all-bad-taken": "{file} the save's file name: filled into {why}.",
    "save.why.no-space": "Filled into {why}.",
    "save.why.no-permission": "Filled into {why}.",
    "save.why.not-folder": "Filled into {why}.",
    "save.not-saved-over": "Last line of the box about a save that could not be set aside: {file} the save's file name.",
    "save.newer-kept": "Last line of the box about a save made by a newer version of the game.",
    "save.start-over-newer": "At Start, when the save was made by a newer version of the game: {version} its version (a number).",
    "save.part.money": "Filled into save.missing and save.wrong-value.",
}

PREFIXES = [
    ("ability.", "The bear rooms' host hands over an ability; the status screen names it."),
    ("ranking.place.", "The ranking screen: the label before a team's names; pad it as the "
     "others so the names line up."),
    ("status.key.", "The status screen: the item key's label before the item's name."),
    ("title.help.", "The title screen's help, one line of four."),
    ("ui.menu-", "The window's menu; & marks the access key."),
    ("ui.scaling-", "The menu Options: how the picture is enlarged; & marks the access key."),
    ("pad.title.help.", "The title screen's help when a controller was pressed last, one line "
     "of five: {space}, {ctrl} and {shift} are the buttons of Space, Ctrl and Shift."),
    ("pad.keys.", "The key screen when a controller was pressed last; {key} a game key's label."),
    ("ui.language.", "The language menu, in this language's words; & marks the access key."),
    ("ui.", "The yes/no pictures and the result box's button."),
    ("keys.label.", "The key screen: a game key's label."),
    ("keys.waiting-mark", "The key screen: shown in place of a game key's keys while the new one is awaited."),
    ("keys.action.", "The key screen: what the game key does."),
    ("keys.", "The key screen."),
    ("save.part.", "A part of the save, filled into save.missing and save.wrong-value."),
    ("save.", "A box about the save."),
]


def comment_for(key):
    if key.startswith("script."):
        return [SCRIPTS.get(key[7:], "A script."), CODES]
    if key.startswith("name."):
        return ["A name: " + NAMES.get(key[5:], "a member of the cast") + "."]
    if key.startswith("item."):
        n = int(key.split(".")[1])
        what = "name" if key.endswith(".name") else "explanation, read when Santa sells it and " \
            "when Peace explains it"
        return [f"Item {n}: its {what}." + (" Santa sells by name alone." if what == "name" else "")]
    if key in OTHER:
        return [OTHER[key]]
    for prefix, text in PREFIXES:
        if key.startswith(prefix):
            return [text]
    return []


# English for the texts the English C++ table never had, or whose meaning
# changed since it was written.
ENGLISH_EXTRA = {
    "ui.this-language": "&English",
    "save.missing": "The saved game has no {part}.",
    "save.wrong-value": "The saved game's {part} cannot be right.",
    "save.unknown": "The file holds something this game does not know.",
    "save.part.money": "money",
    "save.part.league": "league results",
    "save.part.items": "items",
    "save.part.story": "story so far",
    "save.part.places": "positions of the players",
}
