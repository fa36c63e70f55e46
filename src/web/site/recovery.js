// Where the page keeps its recovery copy: the browser's local storage of
// this site, one copy per edition and tab. A tab holds its place while it
// lives (a heartbeat every few seconds); a reload keeps the tab's place, so
// the order it held is offered back; a place whose tab is gone (closed, its
// browser ended, its machine off) is taken by the next page of the edition,
// which offers back the order left there.

const PLACES = 16;
const BEAT_MS = 2000;
const STALE_MS = 5000;
const prefix = (edition, place) => `scanfee.${edition}.${place}`;

// The copy's bytes are Shift-JIS: each byte is kept as one character.
const toText = (bytes) => {
  let text = '';
  for (let i = 0; i < bytes.length; i += 8192) text += String.fromCharCode(...bytes.subarray(i, i + 8192));
  return text;
};
const toBytes = (text) => Uint8Array.from(text, (c) => c.charCodeAt(0));

export class RecoveryStorage {
  // The storages are looked up when a place is claimed: a browser that
  // keeps nothing for the site refuses even the lookup.
  constructor(storage = null, session = null) {
    this.storage = storage;
    this.session = session;
    this.id = `${Date.now()}-${Math.random().toString(36).slice(2)}`;
    this.key = null;
  }

  owner(place) {
    const [id, time] = (this.storage.getItem(`${place}.owner`) || '').split('@');
    return { id, fresh: id && Date.now() - Number(time) < STALE_MS };
  }

  // Takes a place for this page; its name, or null where the browser keeps
  // nothing (storage switched off).
  claim(edition) {
    try {
      this.storage = this.storage || window.localStorage;
      this.session = this.session || window.sessionStorage;
      const mine = this.session.getItem(`scanfee.${edition}.place`);
      let place = null;
      // After a reload the tab's own place, unless another tab took it
      // meanwhile (a duplicated tab carries the same session).
      if (mine && !this.owner(mine).fresh) place = mine;
      for (let i = 1; !place && i <= PLACES; i += 1) {
        if (!this.owner(prefix(edition, i)).fresh) place = prefix(edition, i);
      }
      if (!place) return null;
      this.key = place;
      this.session.setItem(`scanfee.${edition}.place`, place);
      this.beat();
      setInterval(() => this.beat(), BEAT_MS);
      // Leaving the page frees the place at once for the next one.
      window.addEventListener('pagehide', () => this.storage.setItem(`${place}.owner`, ''));
      window.addEventListener('pageshow', (e) => e.persisted && this.beat());
      return place;
    } catch (error) {
      return null;
    }
  }

  beat() {
    try {
      this.storage.setItem(`${this.key}.owner`, `${this.id}@${Date.now()}`);
    } catch (error) {
      // Full storage: the copy's own write reports it.
    }
  }

  read() {
    const text = this.storage.getItem(`${this.key}.order`);
    return text === null ? null : toBytes(text);
  }

  // Empty when written, or why not.
  write(bytes) {
    try {
      this.storage.setItem(`${this.key}.order`, toText(bytes));
      return '';
    } catch (error) {
      return error && error.name === 'QuotaExceededError' ? 'full' : String(error);
    }
  }

  remove() {
    this.storage.removeItem(`${this.key}.order`);
  }

  // Keeps a damaged copy under a name of its own; returns that name.
  setAside() {
    const text = this.storage.getItem(`${this.key}.order`);
    for (let n = 1; n < 1000; n += 1) {
      const name = `${this.key}.damaged-${n}`;
      if (this.storage.getItem(name) !== null) continue;
      try {
        this.storage.setItem(name, text === null ? '' : text);
      } catch (error) {
        break;
      }
      this.remove();
      return name;
    }
    return '';  // the program removes the copy it could not set aside
  }
}
