# The Physics of Sound

Which vibrating source does the text NOT use as an example?
+ a struck tuning fork
- a plucked guitar string
- a loudspeaker cone
- a person's vocal folds

Which word does the text use for what the bell in the emptied jar could still be seen doing?
- vibrating
- swinging
- moving
+ shaking

Which behavior of sound waves does the text NOT mention?
+ being soaked up by soft surfaces
- reflecting from hard surfaces as echoes
- bending around corners and obstacles
- changing pitch when the source moves

Which word does the text use for each instrument's own mix of higher overtones?
- pattern
+ blend
- mixture
- set

How many basic properties of any sound wave does the text name?
- three
- five
+ two
- four

Of these four, which does the text come to first?
- the hollow body of a guitar
- how the mouth shapes vowels
+ a siren passing at speed
- the three tiny bones of the ear

Which word does the text use for the eardrum's back-and-forth motion?
- vibrating
- quivering
- fluttering
+ trembling

Which words end the text's final phrase "a small, precise piece of physics ..."?
- in action
+ in motion
- at work
- made audible
