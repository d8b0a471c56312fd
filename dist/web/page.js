// The page around the game: the loading bar, the keys the browser must not
// act on, fullscreen, the data folder kept in the browser, replays in and
// out, and a closing screen when the program ends.
'use strict';
(function () {
  const DATA = '/data';                       // SDL_GetBasePath() is "/"
  const LAST_GAME = '/tmp/last-game.replay';  // every game played, as --record writes it
  const WATCHED = '/tmp/watched.replay';
  const DROPPED_KEY = 'ember-vortex-dropped-replay';
  // Keys that would scroll the page or move the focus.
  const PAGE_KEYS = new Set(['ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', ' ', 'Enter',
    'Tab', 'Backspace', 'PageUp', 'PageDown', 'Home', 'End', '/', "'"]);

  const byId = id => document.getElementById(id);
  const output = [];  // the program's lines, for the closing screen

  // --- The replay to watch: one dropped on the page, or ?replay=FILE beside it ---
  function replayToWatch() {
    const dropped = sessionStorage.getItem(DROPPED_KEY);
    if (dropped !== null) {
      sessionStorage.removeItem(DROPPED_KEY);
      const bytes = Uint8Array.from(atob(dropped), c => c.charCodeAt(0));
      return Promise.resolve(bytes);
    }
    const name = new URLSearchParams(location.search).get('replay');
    if (name === null) return null;
    // A plain name beside the page: never a request anywhere else.
    if (!/^[\w][\w.-]*$/.test(name)) return Promise.reject(new Error('not a file beside the page: ' + name));
    return fetch(name).then(response => {
      if (!response.ok) throw new Error(name + ': ' + response.status + ' ' + response.statusText);
      return response.arrayBuffer();
    }).then(buffer => new Uint8Array(buffer));
  }
  const watching = replayToWatch();

  // --- The data folder, kept in IndexedDB -------------------------------------
  // Loaded before main starts; written back after every save, one sync at a
  // time. The game writes a temporary file and renames it, and a save never
  // yields to the browser half-way, so a sync sees the old file or the new one.
  let syncing = false;
  let syncAgain = false;
  function syncData() {
    if (syncing) {
      syncAgain = true;
      return;
    }
    syncing = true;
    Module.FS.syncfs(false, error => {
      syncing = false;
      if (error) console.warn('Ember Vortex: the data folder was not kept:', error);
      if (syncAgain) {
        syncAgain = false;
        syncData();
      }
    });
  }

  function mountData() {
    const FS = Module.FS;
    FS.mkdir(DATA);
    FS.mount(FS.filesystems.IDBFS, {}, DATA);
    Module.addRunDependency('data');
    FS.syncfs(true, error => {
      if (error) console.warn('Ember Vortex: no saved data could be read:', error);
      Module.removeRunDependency('data');
    });
  }

  function loadWatched() {
    if (!watching) return;
    Module.addRunDependency('replay');
    watching.then(bytes => {
      Module.FS.writeFile(WATCHED, bytes);
      Module.removeRunDependency('replay');
    }, error => close(2, [String(error.message || error)]));
  }

  // --- Replays out ----------------------------------------------------------------
  let download = null;
  function offerLastGame() {
    const link = byId('download');
    if (download) URL.revokeObjectURL(download);
    download = URL.createObjectURL(new Blob([Module.FS.readFile(LAST_GAME)]));
    link.href = download;
    link.hidden = false;
  }

  // --- Loading and closing --------------------------------------------------------
  function showProgress(text) {
    const counts = /\((\d+(?:\.\d+)?)\/(\d+)\)/.exec(text || '');
    if (counts) byId('loading-fill').style.width = (100 * counts[1] / counts[2]) + '%';
  }

  let closed = false;
  function close(status, lines) {
    if (closed) return;
    closed = true;
    const heading = watching ? 'The replay has ended.'
      : status === 0 ? 'Thanks for playing Ember Vortex.'
        : 'Ember Vortex has stopped (status ' + status + ').';
    byId('closed-text').textContent = [heading, ''].concat(lines).join('\n');
    byId('loading').hidden = true;
    byId('closed').hidden = false;
  }

  // --- Keys, fullscreen and dropped files -----------------------------------------
  function toggleFullscreen() {
    if (document.fullscreenElement) {
      document.exitFullscreen();
    } else {
      document.documentElement.requestFullscreen().catch(() => {});
    }
  }

  // A browser grants fullscreen only inside a key or click handler, so
  // Alt+Enter is the page's, and the game never sees it (nor its Enter's release).
  let altEnter = null;
  window.addEventListener('keydown', event => {
    if (event.key === 'Enter' && event.altKey) {
      event.preventDefault();
      event.stopImmediatePropagation();
      if (!event.repeat) toggleFullscreen();
      altEnter = event.code;
      return;
    }
    if (PAGE_KEYS.has(event.key)) event.preventDefault();
  }, true);
  window.addEventListener('keyup', event => {
    if (event.code !== altEnter) return;
    altEnter = null;
    event.stopImmediatePropagation();
  }, true);
  byId('fullscreen').addEventListener('click', event => {
    toggleFullscreen();
    event.currentTarget.blur();  // Space and Enter stay the game's
  });
  byId('again').addEventListener('click', () => {
    location.href = location.pathname;
  });

  // A dropped replay is watched from a fresh start of the page.
  window.addEventListener('dragover', event => event.preventDefault());
  window.addEventListener('drop', event => {
    event.preventDefault();
    const file = event.dataTransfer.files[0];
    if (!file) return;
    file.arrayBuffer().then(buffer => {
      let text = '';
      new Uint8Array(buffer).forEach(b => { text += String.fromCharCode(b); });
      sessionStorage.setItem(DROPPED_KEY, btoa(text));
      location.href = location.pathname;
    }).catch(error => console.warn('Ember Vortex: ' + file.name + ' cannot be watched here:', error));
  });

  window.Module = {
    canvas: byId('canvas'),
    arguments: watching ? ['--replay', WATCHED] : ['--record', LAST_GAME],
    preRun: [mountData, loadWatched],
    print(line) {
      output.push(line);
      console.log(line);
    },
    printErr(line) {
      output.push(line);
      console.warn(line);
    },
    setStatus: showProgress,
    onRuntimeInitialized() {
      byId('loading').hidden = true;
    },
    onFileSaved(path) {
      if (path.startsWith(DATA + '/')) syncData();
      if (path === LAST_GAME) offerLastGame();
    },
    onExit(status) {
      close(status, output);
    },
    onAbort(what) {
      close(-1, output.concat([String(what)]));
    },
  };
})();
