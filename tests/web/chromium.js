// Debian's chromium, headless, with nothing of its own on the network and a
// fresh profile: the browser test and tools/web_figures.js start it alike.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const CHROMIUM = '/usr/bin/chromium';

// The profile goes when the browser's process has ended (its helpers may
// still be writing to it when the connection closes); a profile that will
// not go is left in the temporary folder rather than failing the test.
function removeProfile(profile) {
  try {
    fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
  } catch (error) {
    console.warn(`left the browser's profile ${profile}: ${error.code}`);
  }
}

async function launchChromium() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'ember-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    args: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  const child = browser.process();
  if (child) {
    child.once('exit', () => removeProfile(profile));
  } else {
    browser.on('disconnected', () => removeProfile(profile));
  }
  return browser;
}

module.exports = { CHROMIUM, launchChromium };
