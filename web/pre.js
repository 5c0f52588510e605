// The page around the game: the canvas, the player's storage, one tab per
// save, the language of the browser, and what the page says while loading
// or after the game has ended. Nothing here reaches beyond the page's own
// folder.
var Module = typeof Module !== 'undefined' ? Module : {};
Module.canvas = document.getElementById('canvas');
Module.mokiNote = function (text) {
  var note = document.getElementById('note');
  note.textContent = text;
  note.style.display = text ? '' : 'none';
};
Module.setStatus = function (text) {
  if (!Module.mokiEnded) Module.mokiNote(text ? '読み込み中… / Loading…' : '');
};
Module.mokiFatal = function (text) {
  Module.mokiEnded = true;
  Module.mokiNote(text ? 'mokimoki: ' + text : '終了しました / The game has ended.');
};
Module.print = function (text) { console.log(text); };
Module.printErr = function (text) { console.warn(text); };
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  // The language the browser prefers first, of the game's two: ja* is
  // Japanese, anything else English. The player's own choice, once made, is
  // in the settings and comes first.
  var wanted = navigator.languages && navigator.languages.length ? navigator.languages
                                                                 : [navigator.language || ''];
  var lang = 'en_US.UTF-8';
  for (var i = 0; i < wanted.length; i++) {
    var l = String(wanted[i]).toLowerCase();
    if (l.indexOf('ja') === 0) { lang = 'ja_JP.UTF-8'; break; }
    if (l.indexOf('en') === 0) break;
  }
  ENV.LANG = lang;
  // The player's files live where the desktop keeps them, under a home of
  // the page's own, kept in the browser's IndexedDB.
  ENV.HOME = '/home/player';
  FS.mkdir('/home/player');
  FS.mount(IDBFS, {}, '/home/player');
  addRunDependency('moki-storage');
  FS.syncfs(true, function (err) {
    if (err) console.warn('mokimoki: the browser\'s storage cannot be read: ' + err);
    removeRunDependency('moki-storage');
  });
  // Every file the game writes ends with a rename of the whole new file over
  // the old: after each, the storage is brought up to date.
  var syncing = false, again = false;
  var sync = function () {
    if (syncing) { again = true; return; }
    syncing = true;
    FS.syncfs(false, function (err) {
      if (err) console.warn('mokimoki: the browser\'s storage cannot be written: ' + err);
      syncing = false;
      Module.mokiSynced = (Module.mokiSynced || 0) + 1;
      if (again) { again = false; sync(); }
    });
  };
  var rename = FS.rename;
  FS.rename = function (from, to) {
    rename.call(FS, from, to);
    if (String(to).indexOf('/home/player/') === 0) sync();
  };
  // One tab plays on the save; a second is told, and does not save.
  if (navigator.locks && navigator.locks.request) {
    addRunDependency('moki-lock');
    navigator.locks.request('mokimoki-save', {ifAvailable: true}, function (lock) {
      Module.mokiSecondCopy = !lock;
      removeRunDependency('moki-lock');
      if (lock) return new Promise(function () {});  // held for the page's life
    });
  }
});

// The page's address ending in ?record records the session, as the
// desktop's --record does; when the game ends (終了) the recording is
// offered for download, to play back with mokimoki-scenario --replay.
if (/[?&]record\b/.test(location.search)) {
  Module.arguments = ['--record', '/tmp/session.mokirec'];
  Module.mokiRecording = '/tmp/session.mokirec';
}
var mokiEnd = Module.mokiFatal;
Module.mokiFatal = function (text) {
  mokiEnd(text);
  if (!Module.mokiRecording) return;
  try {
    var bytes = FS.readFile(Module.mokiRecording);
    var link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
    link.download = 'mokimoki-session.mokirec';
    link.textContent = '記録をダウンロード / Download the recording';
    link.style.cssText = 'display:block;margin-top:1em;color:#9cf;pointer-events:auto';
    document.getElementById('note').appendChild(link);
  } catch (e) {
    console.warn('mokimoki: no recording to offer: ' + e);
  }
};
