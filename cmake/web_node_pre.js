// The web build's programs under node, which has neither Web Audio nor a
// navigator. SDL built without threads cannot open its dummy audio device,
// so SDL's own emscripten audio opens this stand-in, which never asks for a
// sample; SDL's joysticks look for gamepads on the navigator and find none.
if (typeof navigator === 'undefined') globalThis.navigator = {};
if (typeof AudioContext === 'undefined') {
  globalThis.AudioContext = class {
    constructor() {
      this.sampleRate = 44100;
      this.destination = {};
      this.state = 'running';
    }
    createScriptProcessor() {
      return { connect() {}, disconnect() {} };
    }
    resume() {
      return Promise.resolve();
    }
  };
  // Where the audio context would be resumed by the first key press.
  globalThis.document = {
    addEventListener() {},
    removeEventListener() {},
    getElementById() { return null; },
  };
}
