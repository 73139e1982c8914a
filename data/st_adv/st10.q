# The Physics of Sound

Which term does the text use for what vibrates in a human throat?
- vocal cords
+ vocal folds
- voice box
- vocal bands

What does the text's second paragraph end with?
+ astronauts hearing through their suits and tools
- thunder arriving after the lightning flash
- a guitar body enriching its strings
- hair cells turning motion into signals

Which material does the text NOT name as something sound travels through?
- water
- steel
- solid rock
+ ice

Which of these does the text explain first?
- how frequency sets the pitch of a note
- how loudness is measured in decibels
+ how fast sound moves through materials
- why instruments differ in timbre

How many basic properties of any sound wave does the text name?
- three
- five
+ two
- four

Which of these terms does the text NOT use?
+ wavelength
- timbre
- resonance
- decibel

What does the text turn to right after the passing siren?
- how the eardrum passes on vibrations
+ why objects vibrate at natural frequencies
- how concert halls are designed
- how a violin differs from a flute

Which point does the text close with?
- every sound begins with something in motion
- sound cannot travel through empty space
- every voice has its own recognizable character
+ even the quietest sound is exact physics at work
